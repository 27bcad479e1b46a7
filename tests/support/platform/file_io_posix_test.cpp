// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "support/platform/file_error.h"
#include "support/platform/file_io.h"
#include "support/platform/os_error.h"
#include "support/platform/replacing_write.h"
#include "support/runtime_errors.h"
#include "tape/commands/file_saving.h"
#include "tests/support/helpers/file_io_fixture.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::FileIoTest;
using testing::kTape;
using testing::readText;
using testing::ScratchFolder;
using testing::writeText;

TEST_F(FileIoTest, ReplacingKeepsPermissionsAndLinks)
{
    const fs::path target = scratch.path() / "game.tap";
    writeText(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeFileReplacing(app, target.string(), {kTape.substr(0, 3), "", kTape.substr(3)});
    EXPECT_EQ(readText(target), kTape);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // Through a link: the file it names is replaced and the link stays a link.
    const fs::path link = scratch.path() / "link.tap";
    fs::create_symlink(target, link);
    writeFileReplacing(app, link.string(), {"new"});
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readText(target), "new");
    EXPECT_EQ(entriesIn(scratch.path()), 2u);  // no leftover beside them
    EXPECT_TRUE(raised.empty());
}

TEST_F(FileIoTest, OwnerAndGroupOfTheReplacedTapeAreKept)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to save a tape that belongs to someone else";
    const fs::path target = scratch.path() / "theirs.tap";
    writeText(target, "old");
    ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
    fs::permissions(target, fs::perms(0640));
    writeFileReplacing(app, target.string(), {kTape});
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 65534u);
    EXPECT_EQ(status.st_gid, 65534u);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(readText(target), kTape);
}

TEST_F(FileIoTest, QuietReplaceNeverWritesThroughALink)
{
    writeText(scratch.path() / "victim", "keep");
    fs::create_symlink(scratch.path() / "victim", scratch.path() / "planted.ini");
    EXPECT_FALSE(replaceFileQuietly(scratch / "planted.ini", {"x"}));
    EXPECT_EQ(readText(scratch.path() / "victim"), "keep");
    EXPECT_TRUE(fs::is_symlink(scratch.path() / "planted.ini"));
    EXPECT_TRUE(raised.empty());
}

TEST_F(FileIoTest, AFileThatCannotBeReadIsRaised)
{
    EXPECT_THROW(readFile("/proc/self/mem"), CommandAbandoned);  // fails even for root
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].GENCODE, gencode::Read);
    EXPECT_EQ(raised[0].OSCODE, 31);
}

TEST(OsCodeOf, EachErrnoGivesTheCodeTheHandlerKnows)
{
    ScratchFolder scratch;
    const std::string inExistingFolder = scratch / "missing.tap";
    const std::string inMissingFolder = scratch / "gone/missing.tap";
    const struct {
        int err;
        std::string path;
        int code;
    } table[] = {
        {ENOENT, inExistingFolder, 2},
        {ENOENT, inMissingFolder, 3},
        {ENOTDIR, inExistingFolder, 3},
        {ENAMETOOLONG, inExistingFolder, 3},
        {ELOOP, inExistingFolder, 3},
        {EACCES, inExistingFolder, 5},
        {EPERM, inExistingFolder, 5},
        {EISDIR, inExistingFolder, 5},
        {EROFS, inExistingFolder, 19},
        {EBUSY, inExistingFolder, 32},
        {ETXTBSY, inExistingFolder, 32},
        {EIO, inExistingFolder, 31},
        {ENXIO, inExistingFolder, 21},
        {ENODEV, inExistingFolder, 21},
        // Told by the disk-full subcode instead, and anything else by no code at all.
        {ENOSPC, inExistingFolder, 0},
        {EDQUOT, inExistingFolder, 0},
        {EMFILE, inExistingFolder, 0},
    };
    for (const auto& row : table)
        EXPECT_EQ(osCodeOf(row.err, row.path), row.code) << std::strerror(row.err);
}

// A save met by an error that the handler would end the program for (a busy file, no descriptor
// left) is shown as a report that abandons the command: the edits are still only in memory.
TEST_F(FileIoTest, SaveFailuresWithoutAShortMessageAreShownNotFatal)
{
    for (const int err : {EBUSY, EMFILE, EFBIG}) {
        raised.clear();
        EXPECT_THROW(raiseSaveError({gencode::Create, "FCREATE", "Create error", err}, "/t/g.tap",
                                    std::source_location::current()),
                     CommandAbandoned);
        ASSERT_EQ(raised.size(), 1u);
        EXPECT_EQ(raised[0].GENCODE, gencode::ShowOnly) << std::strerror(err);
        EXPECT_EQ(raised[0].DESCRIPTION, std::string("Create error (") + std::strerror(err) + ")");
    }
    // One the handler has a message for keeps its own row.
    raised.clear();
    EXPECT_THROW(raiseSaveError({gencode::Create, "FCREATE", "Create error", EACCES}, "/t/g.tap",
                                std::source_location::current()),
                 CommandAbandoned);
    EXPECT_EQ(raised.at(0).GENCODE, gencode::Create);
    EXPECT_EQ(raised.at(0).OSCODE, 5);
}

}  // namespace
}  // namespace murax
