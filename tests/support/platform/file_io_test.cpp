// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/file_io.h"
#include "support/platform/replacing_write.h"
#include "tape/commands/file_saving.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/runtime_errors.h"
#include "tests/support/helpers/file_io_fixture.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::FileIoTest;
using testing::kTape;
using testing::readText;
using testing::writeText;

TEST_F(FileIoTest, ReadsAreWholeOrRaised)
{
    writeText(scratch.path() / "a.tap", kTape);
    EXPECT_EQ(readFile(scratch / "a.tap"), kTape);

    EXPECT_THROW(readFile(scratch / "missing.tap"), CommandAbandoned);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].GENCODE, gencode::Open);
    EXPECT_EQ(raised[0].OSCODE, 2);
}

TEST_F(FileIoTest, QuietReplaceTellsFailureWithoutRaising)
{
    EXPECT_TRUE(replaceFileQuietly(scratch / "a.ini", {"x"}));
    EXPECT_EQ(readText(scratch.path() / "a.ini"), "x");
    EXPECT_FALSE(replaceFileQuietly(scratch / "gone/a.ini", {"x"}));
    EXPECT_TRUE(raised.empty());
}

TEST_F(FileIoTest, FailedReplaceLeavesNothingBehindAndNamesTheCaller)
{
    const fs::path folder = scratch.path() / "folder.tap";
    fs::create_directory(folder);
    writeText(folder / "inside", "x");
    const unsigned line = __LINE__ + 1;
    EXPECT_THROW(writeFileReplacing(app, folder.string(), {kTape}), CommandAbandoned);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].OSCODE, 5);
    EXPECT_EQ(raised[0].FILENAME, folder.string());
    EXPECT_EQ(raised[0].function, "TestBody");
    EXPECT_EQ(raised[0].line, line);
    EXPECT_EQ(readText(folder / "inside"), "x");
    EXPECT_EQ(entriesIn(scratch.path()), 1u);

    EXPECT_THROW(writeFileReplacing(app, (scratch / "gone/game.tap"), {kTape}), CommandAbandoned);
    ASSERT_EQ(raised.size(), 2u);
    EXPECT_EQ(raised[1].OSCODE, 3);
    EXPECT_EQ(raised[1].GENCODE, gencode::Create);
}

TEST_F(FileIoTest, AFileLargerThanMemoryIsRefusedBeforeItIsRead)
{
    const fs::path huge = scratch.path() / "huge.tap";
    writeText(huge, "");
    std::error_code ec;
    fs::resize_file(huge, std::uintmax_t(1) << 40, ec);  // sparse: no disk space taken
    if (ec)
        GTEST_SKIP() << "this file system takes no 1 TiB sparse file: " << ec.message();
    EXPECT_THROW(readFile(huge.string()), CommandAbandoned);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].GENCODE, gencode::ShowOnly);
    EXPECT_EQ(raised[0].DESCRIPTION, "File larger than the memory available");
    EXPECT_EQ(raised[0].FILENAME, huge.string());
    // The change test streams it rather than loading it.
    EXPECT_TRUE(fileDiffersFrom(huge.string(), {std::string(10, '\0')}));
}

TEST_F(FileIoTest, ComparisonStreamsAcrossChunksLikeAWholeRead)
{
    std::string bytes(200000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    writeText(scratch.path() / "t.tap", bytes);
    const std::string path = scratch / "t.tap";
    // Parts that straddle the chunk boundaries, the same bytes in one piece, and an empty part.
    EXPECT_FALSE(fileDiffersFrom(path, {bytes.substr(0, 65535), "", bytes.substr(65535)}));
    EXPECT_FALSE(fileDiffersFrom(path, {bytes}));
    std::string changed = bytes;
    changed[65536] ^= 1;
    EXPECT_TRUE(fileDiffersFrom(path, {changed}));
    EXPECT_TRUE(fileDiffersFrom(path, {bytes.substr(0, bytes.size() - 1)}));
    EXPECT_TRUE(fileDiffersFrom(path, {bytes, "x"}));
    // A missing file counts as empty.
    EXPECT_FALSE(fileDiffersFrom(scratch / "missing.tap", {}));
    EXPECT_FALSE(fileDiffersFrom(scratch / "missing.tap", {"", ""}));
    EXPECT_TRUE(fileDiffersFrom(scratch / "missing.tap", {"x"}));
    EXPECT_TRUE(raised.empty());
}

}  // namespace
}  // namespace murax
