// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/recovery_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/helpers/scratch_folder.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::EnvironmentVariable;
using testing::readText;
using testing::ScratchFolder;
using testing::writeText;

const std::vector<std::string> kEntries = {std::string("\x13\x00\x00\x03", 4), "second",
                                           std::string(), std::string("\x00\x1A\xFF", 3)};
const std::string kJoined =
    std::string("\x13\x00\x00\x03", 4) + "second" + std::string("\x00\x1A\xFF", 3);

TEST(RecoveryFile, WrittenBesideTheCurrentFileWithAllEntries)
{
    ScratchFolder scratch;
    writeText(scratch.path() / "game.tap", "old contents");
    const std::string written = writeRecoveryFile(scratch / "game.tap", kEntries);
    EXPECT_EQ(written, scratch / "game.recovered.tap");
    EXPECT_EQ(readText(written), kJoined);
    EXPECT_EQ(readText(scratch.path() / "game.tap"), "old contents");
}

TEST(RecoveryFile, NeverWritesOverAnExistingFile)
{
    ScratchFolder scratch;
    writeText(scratch.path() / "game.recovered.tap", "earlier rescue");
    writeText(scratch.path() / "game.recovered-2.tap", "another");
    const std::string third = writeRecoveryFile(scratch / "game.tap", kEntries);
    EXPECT_EQ(third, scratch / "game.recovered-3.tap");
    EXPECT_EQ(readText(scratch.path() / "game.recovered.tap"), "earlier rescue");
    EXPECT_EQ(readText(scratch.path() / "game.recovered-2.tap"), "another");
    EXPECT_EQ(readText(third), kJoined);
}

TEST(RecoveryFile, NameKeepsWhateverExtensionThereIs)
{
    ScratchFolder scratch;
    EXPECT_EQ(writeRecoveryFile(scratch / "noext", {"a"}), scratch / "noext.recovered");
    EXPECT_EQ(writeRecoveryFile(scratch / "my.game.TAP", {"a"}), scratch / "my.game.recovered.TAP");
}

TEST(RecoveryFile, SafetyCopyGoesToTheDataFolderOnly)
{
    ScratchFolder scratch;
    EnvironmentVariable data(testing::kDataFolderVariable, (scratch.path() / "data").string());
    const std::string copy = writeSafetyCopy(scratch / "game.tap", kEntries);
    EXPECT_EQ(copy, (scratch.path() / "data" / "murax" / "game.recovered.tap").string());
    EXPECT_EQ(readText(copy), kJoined);
}

TEST(RecoveryFile, FallsBackToTheUserDataFolder)
{
    ScratchFolder scratch;
    EnvironmentVariable data(testing::kDataFolderVariable, (scratch.path() / "data").string());
    // The current file's folder has vanished.
    const std::string written = writeRecoveryFile(scratch / "gone/game.tap", kEntries);
    EXPECT_EQ(written, (scratch.path() / "data" / "murax" / "game.recovered.tap").string());
    EXPECT_EQ(readText(written), kJoined);

    // Without a current file the edits still find a home.
    EXPECT_EQ(writeRecoveryFile("", {"x"}),
              (scratch.path() / "data" / "murax" / "murax.recovered.tap").string());
}

TEST(RecoveryFile, NowhereToWriteGivesEmpty)
{
    ScratchFolder scratch;
    writeText(scratch.path() / "file", "a file, where a folder should be");
    EnvironmentVariable data(testing::kDataFolderVariable, (scratch.path() / "file").string());
    EXPECT_EQ(writeRecoveryFile(scratch / "gone/game.tap", kEntries), "");
}

}  // namespace
}  // namespace murax
