// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/recovery_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/helpers/scratch_folder.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::ScratchFolder;

TEST(RecoveryFile, ALinkLyingInWaitUnderTheNameIsNotFollowed)
{
    ScratchFolder scratch;
    fs::create_symlink(scratch.path() / "victim", scratch.path() / "x.recovered.tap");
    EXPECT_EQ(writeRecoveryFile(scratch / "x.tap", {"entry"}), scratch / "x.recovered-2.tap");
    EXPECT_FALSE(fs::exists(scratch.path() / "victim"));
}

// Linux takes names of 255 bytes at most.
TEST(RecoveryFile, ANameTooLongForTheFileSystemBecomesAShortOne)
{
    ScratchFolder scratch;
    const std::string tape = scratch / (std::string(246, 'g') + ".tap");
    const std::string written = writeRecoveryFile(tape, {"entry"});
    ASSERT_EQ(written.rfind(scratch / "murax-", 0), 0u) << written;
    EXPECT_EQ(fs::path(written).filename().string().size(), 26u);  // murax-XXXXXX.recovered.tap
    EXPECT_EQ(testing::readText(written), "entry");
}

}  // namespace
}  // namespace murax
