// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/hex_editor_command.h"

#include <filesystem>
#include <optional>

#include "support/platform/temp_names.h"
#include "tape/commands/save_commands.h"
#include "tape/model/change_detection.h"
#include "tests/tape/commands/hex_editor_fixture.h"

namespace murax::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(HexEditor, NameChangedWithoutANewChecksumIsTakenAsItIs)
{
    configure("[Edit]\nHex editor=hexed\n");
    const std::string entry = header(0, "GAME") + data("abc\x1A");
    open("game.tap", lone(1) + entry, {1, 2}, 2);
    editWith([](std::string& bytes) { bytes[4] = 'N'; });

    MODHEX(window, list);

    ASSERT_EQ(fake.commandLines.size(), 1u);
    EXPECT_EQ(fake.commandLines[0], "hexed " + tempSeen[0]);
    EXPECT_EQ(tempSeen[0].front(), '\x7F');
    EXPECT_EQ(tempSeen[0].find(' '), std::string::npos);
    EXPECT_EQ(bytesSeen[0], entry);
    std::string expected = entry;
    expected[4] = 'N';
    EXPECT_EQ(list.entries()[1], expected);
    EXPECT_EQ(list.lines()[1].substr(0, 10), "NAME      ");
    EXPECT_EQ(window.list.selectedPositions(), std::vector<int>{2});
    expectListInStep();
    EXPECT_FALSE(scratchFilesLeft());
    EXPECT_TRUE(window.statusTexts.empty());
    EXPECT_TRUE(fake.messages.empty());
}

// A header turned into data makes two data blocks of one entry, which would load as two entries:
// the edit is refused with a message and the entry stays as it was.
TEST_F(HexEditor, HeaderFlagTurnedTo0xFFIsRefusedAsTwoEntriesInOne)
{
    configure("[Edit]\nHex editor=hexed\n");
    const std::string entry = header(3, "CODE", 2) + data("zz");
    open("game.tap", entry, {1}, 1);
    editWith([](std::string& bytes) { bytes[2] = '\xFF'; });

    MODHEX(window, list);

    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text.rfind("Block 1 as edited holds the blocks of more than one", 0),
              0u);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries()[0], entry);
    EXPECT_FALSE(list.history().canUndo());
}

TEST_F(HexEditor, UnchangedOrEmptiedFileLeavesTheEntryAsItWas)
{
    configure("[Edit]\nHex editor=hexed\n");
    const std::string bytes = lone(1) + framed(
                                            "\xFF"
                                            "ends in \x1A");
    ASSERT_EQ(bytes.back(), '\x1A');
    open("game.tap", bytes, {2}, 2);

    editWith([](std::string&) {});
    MODHEX(window, list);
    EXPECT_EQ(joinEntries(list), bytes);
    EXPECT_FALSE(CAMBIATO(list));

    editWith([](std::string& b) { b.clear(); });
    MODHEX(window, list);
    EXPECT_EQ(joinEntries(list), bytes);
    expectListInStep();
    EXPECT_EQ(fake.commandLines.size(), 2u);
    EXPECT_FALSE(scratchFilesLeft());
}

TEST_F(HexEditor, EditorThatCannotStartChangesNothingAndTheUserIsTold)
{
    configure("[Edit]\nHex editor=no-such-editor --flag\n");
    open("game.tap", lone(1) + lone(2), {2}, 2);
    MODHEX(window, list);  // the fake answers -1: nothing ran
    ASSERT_EQ(fake.commandLines.size(), 1u);
    EXPECT_EQ(fake.commandLines[0].rfind("no-such-editor --flag \x7F", 0), 0u);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "The hex editor command\r\n\r\nno-such-editor --flag\r\n\r\ncould not be started.");
    EXPECT_EQ(fake.messages[0].kind, 1);
    EXPECT_EQ(tags(), (std::vector<int>{1, 2}));
    EXPECT_EQ(window.list.reloads, 0);
    EXPECT_FALSE(scratchFilesLeft());
    EXPECT_TRUE(errors.empty());
}

TEST_F(HexEditor, ScratchFileGoesAwayWhenTheHandOffFails)
{
    configure("[Edit]\nHex editor=hexed\n");
    open("game.tap", lone(1), {1}, 1);

    // Removed by the hex editor: the user is told the edits were lost, in words, not by the
    // scratch file's name.
    fake.onRun = [](const std::string& commandLine) {
        fs::remove(commandLine.substr(6));
        return 0;
    };
    MODHEX(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "The edited entry could not be read back:\r\nthe hex editor did not leave its file "
              "in place.\r\nThe entry is unchanged.");
    EXPECT_EQ(fake.messages[0].kind, 1);
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(list.history().canUndo());

    // Anything else going wrong while the hex editor runs.
    fake.onRun = [](const std::string&) -> int { throw std::runtime_error("crashed"); };
    EXPECT_THROW(MODHEX(window, list), std::runtime_error);
    EXPECT_FALSE(scratchFilesLeft());

    EXPECT_EQ(tags(), std::vector<int>{1});
    EXPECT_EQ(window.list.reloads, 0);
}

// An installed program is often started where its user may not write: the hand-off then goes
// through a folder of its own in the TEMP folder, and leaves nothing there.
TEST_F(HexEditor, ACurrentFolderThatTakesNoFileHandsOffThroughTheTempFolder)
{
    configure("[Edit]\nHex editor=hexed\n");
    write("file", "a file, not a folder");
    const struct {
        const char* what;
        std::string prefix;
    } cases[] = {
        {"a vanished folder", path("vanished") + "/"},
        {"a file where the folder should be", path("file") + "/"},
    };
    for (const auto& c : cases) {
        open("game.tap", lone(1) + lone(2), {2}, 2);
        app.ACS_TEMP = c.prefix;
        tempSeen.clear();
        editWith([](std::string& bytes) { bytes[3] = 'E'; });
        MODHEX(window, list);
        app.ACS_TEMP.clear();

        ASSERT_EQ(tempSeen.size(), 1u) << c.what;
        const fs::path seen = tempSeen[0];
        EXPECT_EQ(seen.parent_path().parent_path(), fs::path(path("temp"))) << c.what;
        EXPECT_EQ(seen.filename().string().front(), '\x7F') << c.what;
        EXPECT_EQ(seen.parent_path().filename().string().front(), '\x7F') << c.what;
        std::string expected = lone(2);
        expected[3] = 'E';
        EXPECT_EQ(list.entries()[1], expected) << c.what;
        EXPECT_TRUE(fake.messages.empty()) << c.what;
        EXPECT_FALSE(scratchFilesLeft()) << c.what;
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(HexEditor, UnwritableScratchFileStartsNothing)
{
    configure("[Edit]\nHex editor=hexed\n");
    open("game.tap", lone(1), {1}, 1);
    app.ACS_TEMP = path("vanished") + "/";
    EnvironmentVariable noTemp("TEMP", path("no-temp"));
    EXPECT_THROW(MODHEX(window, list), CommandAbandoned);
    app.ACS_TEMP.clear();
    ASSERT_EQ(errors.size(), 1u);
    // The place last tried is named: the TEMP folder.
    EXPECT_EQ(errors[0].FILENAME.rfind(path("no-temp"), 0), 0u);
    EXPECT_TRUE(fake.commandLines.empty());
    EXPECT_EQ(tags(), std::vector<int>{1});
}

TEST_F(HexEditor, NoCurrentLineDoesNothing)
{
    configure("[Edit]\nHex editor=hexed\n");
    open("game.tap", lone(1), {}, 0);
    MODHEX(window, list);
    open("empty.tap", "");
    MODHEX(window, list);
    EXPECT_TRUE(fake.commandLines.empty());
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_FALSE(scratchFilesLeft());
}

TEST_F(HexEditor, WithoutAnyIniTheSettingIsCreatedHereAndTheUserTold)
{
    open("game.tap", "");  // the message comes even with no current line
    MODHEX(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kMissing);
    EXPECT_EQ(fake.messages[0].kind, 1);
    const std::string ini = read(path("MURAX.INI"));
    EXPECT_NE(ini.find("[Edit]"), std::string::npos);
    EXPECT_NE(ini.find("Hex editor="), std::string::npos);
    EXPECT_TRUE(fake.commandLines.empty());
    EXPECT_FALSE(fs::exists(path("bin/MURAX.INI")));
}

TEST_F(HexEditor, BlankValueCountsAsMissingAndTheWriteKeepsOtherSections)
{
    fake.exeFolder = "./";
    configure("[View]\nfont=big\n[Edit]\nHex editor= \t \nOther=1\n", "MURAX.INI");
    open("game.tap", lone(1), {1}, 1);
    MODHEX(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kMissing);
    const std::string ini = read(path("MURAX.INI"));
    // The blank value is rewritten as the empty one, and every other line stays as it was.
    EXPECT_EQ(ini, "[View]\nfont=big\n[Edit]\nHex editor=\nOther=1\n");
    EXPECT_TRUE(fake.commandLines.empty());
    EXPECT_EQ(tags(), std::vector<int>{1});
}

TEST_F(HexEditor, QuotedValueLosesItsQuotes)
{
    configure("[edit]\nHEX EDITOR=\"hexed -w\"\n");
    open("game.tap", lone(1), {1}, 1);
    editWith([](std::string&) {}, "hexed -w");
    MODHEX(window, list);
    ASSERT_EQ(fake.commandLines.size(), 1u);
    EXPECT_EQ(fake.commandLines[0], "hexed -w " + tempSeen.at(0));
}

TEST_F(HexEditor, UserConfigurationIsUsedWhenTheProgramFolderHasNoIni)
{
    configure("[Edit]\nHex editor=from-user\n", "config/murax/MURAX.INI");
    open("game.tap", lone(1), {1}, 1);
    fake.onRun = [](const std::string&) { return 0; };

    MODHEX(window, list);
    configure("[Edit]\nHex editor=from-bin\n");
    MODHEX(window, list);
    configure("[Edit]\n");  // an INI beside the program is not passed over
    MODHEX(window, list);

    ASSERT_EQ(fake.commandLines.size(), 2u);
    EXPECT_EQ(fake.commandLines[0].rfind("from-user ", 0), 0u);
    EXPECT_EQ(fake.commandLines[1].rfind("from-bin ", 0), 0u);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kMissing);
}

}  // namespace
}  // namespace murax::testing
