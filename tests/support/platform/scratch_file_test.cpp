// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/scratch_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/runtime_errors.h"
#include "tests/support/helpers/file_io_fixture.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::readText;
using testing::writeText;

class ScratchPlaceTest : public testing::FileIoTest {
protected:
    void SetUp() override
    {
        FileIoTest::SetUp();
        fs::create_directory(scratch.path() / "here");
        fs::create_directory(scratch.path() / "temp");
        writeText(scratch.path() / "file", "a file, not a folder");
    }

    std::string folderPrefix(const std::string& name) const
    {
        return (scratch.path() / name).string() + static_cast<char>(fs::path::preferred_separator);
    }

    std::size_t count = 0;
    std::function<std::string()> names = [this] { return "\x7F" + std::to_string(++count); };
};

// Where the current folder takes no file, the file goes to a folder of its own in the TEMP
// folder, and both go with it.
TEST_F(ScratchPlaceTest, APlaceThatTakesNoFileGivesWayToTheTempFolder)
{
    const struct {
        const char* what;
        std::string prefix;
    } cases[] = {
        {"a file where the folder should be", folderPrefix("file")},
        {"a vanished folder", folderPrefix("vanished")},
    };
    for (const auto& c : cases) {
        std::string made;
        {
            const ScratchFile file(names, "entry\x1A",
                                   {c.prefix, (scratch.path() / "temp").string()});
            made = file.path();
            const fs::path own = file.ownFolder();
            EXPECT_EQ(own.parent_path(), scratch.path() / "temp") << c.what;
            EXPECT_EQ(own.filename().string().front(), '\x7F') << c.what;
            EXPECT_EQ(fs::path(made).parent_path(), own) << c.what;
            EXPECT_EQ(fs::path(made).filename().string().front(), '\x7F') << c.what;
            EXPECT_EQ(readText(made), "entry\x1A") << c.what;
            EXPECT_EQ(file.readBack().bytes, "entry\x1A") << c.what;
        }
        EXPECT_FALSE(fs::exists(made)) << c.what;
        EXPECT_TRUE(fs::is_empty(scratch.path() / "temp")) << c.what;
    }
    EXPECT_EQ(readText(scratch.path() / "file"), "a file, not a folder");
    EXPECT_TRUE(raised.empty());
}

TEST_F(ScratchPlaceTest, AFolderThatTakesTheFileKeepsIt)
{
    const ScratchFile file(names, "entry",
                           {folderPrefix("here"), (scratch.path() / "temp").string()});
    EXPECT_EQ(file.path(), folderPrefix("here") +
                               "\x7F"
                               "1");
    EXPECT_EQ(file.ownFolder(), "");
    EXPECT_TRUE(fs::is_empty(scratch.path() / "temp"));
}

// Nowhere to go: the failure in the TEMP folder is raised, and nothing is left anywhere.
TEST_F(ScratchPlaceTest, NoPlaceAtAllIsRaisedAndLeavesNothing)
{
    const std::string temp = (scratch.path() / "temp" / "gone").string();
    EXPECT_THROW(ScratchFile(names, "x", {folderPrefix("vanished"), temp}), CommandAbandoned);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].GENCODE, gencode::Create);
    EXPECT_EQ(fs::path(raised[0].FILENAME).parent_path(), fs::path(temp));
    EXPECT_TRUE(fs::is_empty(scratch.path() / "temp"));
    EXPECT_TRUE(fs::is_empty(scratch.path() / "here"));
}

// The hex editor gone, what it left in the folder stays for the start-up clean-up, which empties
// 0x7F folders of the TEMP folder.
TEST_F(ScratchPlaceTest, AFolderTheHexEditorLeftFilesInIsNotEmptiedHere)
{
    fs::path own;
    {
        const ScratchFile file(names, "x",
                               {folderPrefix("vanished"), (scratch.path() / "temp").string()});
        own = file.ownFolder();
        writeText(own / "backup~", "the hex editor's");
    }
    EXPECT_EQ(readText(own / "backup~"), "the hex editor's");
    EXPECT_EQ(std::distance(fs::directory_iterator(own), fs::directory_iterator()), 1);
}

// Read back after the other program: its file, nothing, or something that is not a plain file.
TEST_F(ScratchPlaceTest, ReadBackTellsWhatStandsUnderTheName)
{
    const ScratchFile file(names, "entry", {folderPrefix("here"), ""});
    writeText(file.path(), "edited");
    EXPECT_EQ(file.readBack().found, ScratchContent::Found::File);
    EXPECT_EQ(file.readBack().bytes, "edited");
    fs::remove(file.path());
    EXPECT_EQ(file.readBack().found, ScratchContent::Found::Nothing);
    fs::create_directory(file.path());
    EXPECT_EQ(file.readBack().found, ScratchContent::Found::NotAPlainFile);
    fs::remove(file.path());
    EXPECT_TRUE(raised.empty());
}

}  // namespace
}  // namespace murax
