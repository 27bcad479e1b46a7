#include "support/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST_F(FileIoTest, QuietReplaceTellsFailureWithoutRaising)
{
    EXPECT_TRUE(replaceFileQuietly(scratch / "a.ini", {"x"}));
    EXPECT_EQ(readText(scratch.path() / "a.ini"), "x");
    EXPECT_FALSE(replaceFileQuietly(scratch / "gone/a.ini", {"x"}));
    EXPECT_TRUE(raised.empty());
}

}  // namespace
}  // namespace murax
