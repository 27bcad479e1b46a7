// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/hex_editor_command.h"

#include <filesystem>

#include "tests/tape/commands/hex_editor_fixture.h"

namespace murax::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(HexEditor, ALinkLeftInTheScratchFilesPlaceIsNotReadAndTheEntryKept)
{
    configure("[Edit]\nHex editor=hexed\n");
    open("game.tap", lone(1), {1}, 1);
    write("victim", lone(7));
    fake.onRun = [this](const std::string& commandLine) {
        const std::string scratch = commandLine.substr(6);
        fs::remove(scratch);
        fs::create_symlink(path("victim"), scratch);
        return 0;
    };
    MODHEX(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text.rfind("The hex editor's file was replaced by a link", 0), 0u);
    EXPECT_EQ(tags(), std::vector<int>{1});
    EXPECT_EQ(read(path("victim")), lone(7));
    EXPECT_FALSE(scratchFilesLeft());
}

TEST_F(HexEditor, AnIniLinkPlantedHereIsNotWrittenThrough)
{
    write("victim", "precious\n");
    fs::create_symlink(path("victim"), path("MURAX.INI"));
    open("game.tap", lone(1), {1}, 1);
    MODHEX(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kMissing);
    EXPECT_EQ(read(path("victim")), "precious\n");
    EXPECT_TRUE(fs::is_symlink(path("MURAX.INI")));
}

// The current folder removed under the running program (as root meets it too): the hand-off goes
// through the TEMP folder.
TEST_F(HexEditor, AVanishedCurrentFolderHandsOffThroughTheTempFolder)
{
    configure("[Edit]\nHex editor=hexed\n");
    open("game.tap", lone(1), {1}, 1);
    editWith([](std::string& bytes) { bytes[3] = 'E'; });
    fs::create_directory(path("gone"));
    {
        CurrentDirectory inGone(path("gone"));
        fs::remove(path("gone"));
        MODHEX(window, list);
    }
    ASSERT_EQ(tempSeen.size(), 1u);
    EXPECT_EQ(fs::path(tempSeen[0]).parent_path().parent_path(), fs::path(path("temp")));
    EXPECT_EQ(list.entries()[0].substr(3, 1), "E");
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(scratchFilesLeft());
}

}  // namespace
}  // namespace murax::testing
