// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/file_identity.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/platform/native_file.h"
#include "tests/support/helpers/scratch_folder.h"

namespace murax {
namespace {

namespace fs = std::filesystem;
using testing::readText;
using testing::ScratchFolder;
using testing::writeText;

#ifdef _WIN32
constexpr const char* kNullDevice = "NUL";
#else
constexpr const char* kNullDevice = "/dev/null";
#endif

TEST(FileIdentity, NamesOfOneFileAgreeAndOtherFilesDiffer)
{
    ScratchFolder scratch;
    writeText(scratch / "tape.tap", "tape");
    writeText(scratch / "copy.tap", "tape");
    fs::create_hard_link(scratch / "tape.tap", scratch / "hard.tap");

    const NativeFile open = NativeFile::openForReading(scratch / "tape.tap");
    ASSERT_TRUE(open.isOpen());
    const auto opened = open.identity();
    ASSERT_TRUE(opened);
    EXPECT_EQ(identityOf(scratch / "tape.tap"), opened);
    EXPECT_EQ(identityOf(scratch / "hard.tap"), opened);
    EXPECT_EQ(identityOf((scratch.path() / "." / "tape.tap").string()), opened);
    EXPECT_NE(identityOf(scratch / "copy.tap"), opened);
    EXPECT_NE(identityOf(scratch.path().string()), opened);
    EXPECT_FALSE(identityOf(scratch / "missing.tap"));
}

TEST(FileIdentity, OnlyDevicesAreWrittenStraightTo)
{
    ScratchFolder scratch;
    writeText(scratch / "tape.tap", "keep");
    fs::create_directory(scratch / "folder");
    for (const std::string& notADevice :
         {scratch / "tape.tap", scratch / "missing.tap", scratch / "folder"})
        EXPECT_FALSE(writeToDevice(notADevice, {"new"})) << notADevice;
    EXPECT_EQ(readText(scratch / "tape.tap"), "keep");
    EXPECT_FALSE(fs::exists(scratch / "missing.tap"));
    EXPECT_EQ(writeToDevice(kNullDevice, {"bytes"}), 0);
}

}  // namespace
}  // namespace murax
