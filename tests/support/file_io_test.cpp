#include "support/file_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "support/runtime_errors.h"
#include "tests/support/helpers/scratch_folder.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::ScratchFolder;
using testing::readText;
using testing::writeText;

const std::string kTape = std::string("\x13\x00\x00\x03", 4) + "\x1A" + std::string(3, '\0');

// Records what the file layer raises; the handler's answer does not let the operation go on.
class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        installErrorHandler([this](const ErrorRecord& r) {
            raised.push_back(r);
            return ErrorResult::Zero;
        });
    }
    void TearDown() override { installErrorHandler(nullptr); }

    std::size_t entriesIn(const fs::path& folder)
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    ScratchFolder scratch;
    std::vector<ErrorRecord> raised;
};

TEST_F(FileIoTest, ReplacingKeepsPermissionsAndLinks)
{
    const fs::path target = scratch.path() / "game.tap";
    writeText(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeFileReplacing(target.string(), {kTape.substr(0, 3), "", kTape.substr(3)});
    EXPECT_EQ(readText(target), kTape);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // Through a link: the file it names is replaced and the link stays a link.
    const fs::path link = scratch.path() / "link.tap";
    fs::create_symlink(target, link);
    writeFileReplacing(link.string(), {"new"});
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
    writeFileReplacing(target.string(), {kTape});
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 65534u);
    EXPECT_EQ(status.st_gid, 65534u);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(readText(target), kTape);
}

TEST_F(FileIoTest, FailedReplaceLeavesNothingBehindAndNamesTheCaller)
{
    const fs::path folder = scratch.path() / "folder.tap";
    fs::create_directory(folder);
    writeText(folder / "inside", "x");
    const unsigned line = __LINE__ + 1;
    EXPECT_THROW(writeFileReplacing(folder.string(), {kTape}), CommandAbandoned);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].OSCODE, 5);
    EXPECT_EQ(raised[0].FILENAME, folder.string());
    EXPECT_EQ(raised[0].function, "TestBody");
    EXPECT_EQ(raised[0].line, line);
    EXPECT_EQ(readText(folder / "inside"), "x");
    EXPECT_EQ(entriesIn(scratch.path()), 1u);

    EXPECT_THROW(writeFileReplacing((scratch / "gone/game.tap"), {kTape}), CommandAbandoned);
    ASSERT_EQ(raised.size(), 2u);
    EXPECT_EQ(raised[1].OSCODE, 3);
    EXPECT_EQ(raised[1].GENCODE, gencode::Create);
}

TEST_F(FileIoTest, ReadsAreWholeOrRaised)
{
    writeText(scratch.path() / "a.tap", kTape);
    EXPECT_EQ(readFile(scratch / "a.tap"), kTape);

    EXPECT_THROW(readFile(scratch / "missing.tap"), CommandAbandoned);
    EXPECT_THROW(readFile("/proc/self/mem"), CommandAbandoned);  // fails even for root
    ASSERT_EQ(raised.size(), 2u);
    EXPECT_EQ(raised[0].GENCODE, gencode::Open);
    EXPECT_EQ(raised[0].OSCODE, 2);
    EXPECT_EQ(raised[1].GENCODE, gencode::Read);
    EXPECT_EQ(raised[1].OSCODE, 31);

    EXPECT_EQ(readFileQuietly(scratch / "missing.tap"), "");
    EXPECT_EQ(readFileQuietly("/proc/self/mem"), "");
    EXPECT_EQ(raised.size(), 2u);
}

TEST_F(FileIoTest, QuietReplaceTellsFailureWithoutRaisingAndNeverWritesThroughALink)
{
    EXPECT_TRUE(replaceFileQuietly(scratch / "a.ini", {"x"}));
    EXPECT_EQ(readText(scratch.path() / "a.ini"), "x");
    EXPECT_FALSE(replaceFileQuietly(scratch / "gone/a.ini", {"x"}));

    writeText(scratch.path() / "victim", "keep");
    fs::create_symlink(scratch.path() / "victim", scratch.path() / "planted.ini");
    EXPECT_FALSE(replaceFileQuietly(scratch / "planted.ini", {"x"}));
    EXPECT_EQ(readText(scratch.path() / "victim"), "keep");
    EXPECT_TRUE(fs::is_symlink(scratch.path() / "planted.ini"));
    EXPECT_TRUE(raised.empty());
}

TEST(OsCodeFromErrno, EachErrnoGivesTheCodeTheHandlerKnows)
{
    ScratchFolder scratch;
    const std::string inExistingFolder = scratch / "missing.tap";
    const std::string inMissingFolder = scratch / "gone/missing.tap";
    const struct {
        int err;
        std::string path;
        int code;
    } table[] = {
        {ENOENT, inExistingFolder, 2}, {ENOENT, inMissingFolder, 3}, {ENOTDIR, inExistingFolder, 3},
        {ENAMETOOLONG, inExistingFolder, 3}, {ELOOP, inExistingFolder, 3},
        {EACCES, inExistingFolder, 5}, {EPERM, inExistingFolder, 5}, {EISDIR, inExistingFolder, 5},
        {EROFS, inExistingFolder, 19}, {EBUSY, inExistingFolder, 32},
        {ETXTBSY, inExistingFolder, 32}, {EIO, inExistingFolder, 31},
        {ENXIO, inExistingFolder, 21}, {ENODEV, inExistingFolder, 21},
        // Told by the disk-full subcode instead, and anything else by no code at all.
        {ENOSPC, inExistingFolder, 0}, {EDQUOT, inExistingFolder, 0}, {EMFILE, inExistingFolder, 0},
    };
    for (const auto& row : table)
        EXPECT_EQ(osCodeFromErrno(row.err, row.path), row.code) << std::strerror(row.err);
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
