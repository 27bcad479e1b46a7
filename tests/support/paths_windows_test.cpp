// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/native_path.h"
#include "tests/support/helpers/scratch_folder.h"

namespace murax {
namespace {

// With the current folder C:\TAPES, "game" is C:\TAPES\game and "..\x.tap" is C:\x.tap.
TEST(FullName, ResolvesAgainstTheCurrentFolderWithDrives)
{
    testing::ScratchFolder scratch;
    const std::filesystem::path tapes = scratch.path() / "TAPES";
    std::filesystem::create_directory(tapes);
    testing::CurrentDirectory cwd(tapes);
    EXPECT_EQ(FULLNAME("game"), pathText(tapes / "game"));
    EXPECT_EQ(FULLNAME("..\\x.tap"), pathText(scratch.path() / "x.tap"));
    EXPECT_EQ(FULLNAME("C:\\a\\.\\b\\..\\c.tap"), "C:\\a\\c.tap");
}

TEST(ShortPath, KeepsTheDriveAndCutsAtAFolder)
{
    const std::string longPath = "C:\\" + std::string(80, 'a') + "\\game.tap";
    EXPECT_EQ(SHORTPATH(longPath, 53), "C:\\...\\game.tap");
    EXPECT_EQ(SHORTPATH("C:\\t\\game.tap", 53), "C:\\t\\game.tap");
    // A network path has no drive to keep.
    EXPECT_EQ(SHORTPATH("\\\\server\\" + std::string(80, 's') + "\\game.tap", 53),
              "\\...\\game.tap");
}

}  // namespace
}  // namespace murax
