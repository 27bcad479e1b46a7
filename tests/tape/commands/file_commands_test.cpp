// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/name_completion.h"
#include "tape/commands/open_commands.h"
#include "tape/commands/save_commands.h"
#include "tape/model/block_info.h"
#include "tape/model/change_detection.h"

#include <filesystem>

#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

namespace fs = std::filesystem;

const std::string kChanged = "TAP has been changed. Save it?";

std::string notFound(const std::string& name)
{
    return "File\r\n\r\n" + name + "\r\n\r\nnot found.";
}

class FileCommands : public CommandTest {
protected:
    // Opens `name` holding entries 1 to 3 and drops the last one: an unsaved edit.
    void openEdited(const std::string& name)
    {
        open(name, tapeOf({1, 2, 3}), {1}, 1);
        list.removeSelection({list.count() - 1});
    }
};

TEST_F(FileCommands, NamesGetTheTapExtensionOnlyWhenTheyHaveNone)
{
    EXPECT_EQ(completeName("game"), path("game.tap"));
    EXPECT_EQ(completeName("game."), path("game..tap"));
    EXPECT_EQ(completeName("game.bin"), path("game.bin"));
    EXPECT_EQ(completeName("my.tapes/game"), path("my.tapes/game.tap"));
    EXPECT_EQ(completeName("sub/../game.tap"), path("game.tap"));
    // A backslash separates folders on Windows; elsewhere it belongs to the name, whose extension
    // is then "tapes\game".
#ifdef _WIN32
    EXPECT_EQ(completeName("my.tapes\\game"), path("my.tapes\\game.tap"));
#else
    EXPECT_EQ(completeName("my.tapes\\game"), path("my.tapes\\game"));
    EXPECT_EQ(completeName("my\\game"), path("my\\game.tap"));
#endif
}

TEST_F(FileCommands, StatusTextGivesTheCountAndTheShortenedFile)
{
    const std::string root(1, static_cast<char>(std::filesystem::path::preferred_separator));
    list.currentFile = root + "t" + root + "game.tap";
    splitIntoEntries(tapeOf({1, 2, 3}), list);
    EXPECT_EQ(BLKINFO(list), "Blocks: 3     File: " + list.currentFile);
    list.currentFile = root + std::string(80, 'a') + root + "game.tap";
    EXPECT_EQ(BLKINFO(list), "Blocks: 3     File: " + root + "..." + root + "game.tap");
}

// --- Start-up load --------------------------------------------------------------------------

TEST_F(FileCommands, StartupCompletesTheArgumentOrAsksForAFile)
{
    write("game.tap", tapeOf({1, 2}));
    const std::string argument = "game", blank = " \t ";
    ASSERT_TRUE(startupLoad(app, &argument, list));
    EXPECT_EQ(list.currentFile, path("game.tap"));
    EXPECT_EQ(tags(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(fake.events.empty());

    fake.openAnswers = {"game.tap"};
    EXPECT_TRUE(startupLoad(app, &blank, list));
    EXPECT_FALSE(startupLoad(app, nullptr, list));  // dialog cancelled
    EXPECT_EQ(fake.events, (std::vector<std::string>(2, "open: Select a TAP file to open")));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(FileCommands, StartupEndsOnAMissingOrUnreadableFile)
{
    const std::string missing = "nothing", locked = unreadable("locked.tap");
    EXPECT_FALSE(startupLoad(app, &missing, list));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, notFound(path("nothing.tap")));

    EXPECT_FALSE(startupLoad(app, &locked, list));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].FILENAME, locked);
    EXPECT_TRUE(list.currentFile.empty());
}

// --- Open -----------------------------------------------------------------------------------

TEST_F(FileCommands, OpenReplacesTheListAndRefreshesTheWindow)
{
    open("first.tap", tapeOf({1, 2, 3}), {2}, 2);
    write("second.tap", tapeOf({4, 5}));
    fake.openAnswers.push_back("second");

    APRI(window, list);

    EXPECT_EQ(tags(), (std::vector<int>{4, 5}));
    EXPECT_EQ(list.currentFile, path("second.tap"));
    EXPECT_EQ(window.list.selectedPositions(), std::vector<int>{1});
    EXPECT_EQ(window.titles, std::vector<std::string>{"Murax 1.05"});
    EXPECT_EQ(window.repaints, 1);
    EXPECT_EQ(window.statusTexts, std::vector<std::string>{BLKINFO(list)});
    EXPECT_TRUE(fake.messages.empty());  // nothing was edited, so nothing is asked
    expectListInStep();
}

TEST_F(FileCommands, OpenAsksAboutUnsavedEdits)
{
    write("second.tap", tapeOf({4}));
    struct Case {
        int answer;
        std::vector<int> firstOnDisk, listAfter;
    };
    for (const Case& c : {Case{Desktop::No, {1, 2, 3}, {4}}, Case{Desktop::Yes, {1, 2}, {4}},
                          Case{Desktop::Cancel, {1, 2, 3}, {1, 2}}}) {
        openEdited("first.tap");
        fake.messages.clear();
        fake.openAnswers.push_back("second.tap");
        fake.messageAnswers.push_back(c.answer);

        APRI(window, list);

        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, kChanged);
        EXPECT_EQ(fake.messages[0].kind, 3);
        EXPECT_EQ(tags(), c.listAfter) << c.answer;
        const std::string firstOnDisk = read(path("first.tap"));
        splitIntoEntries(firstOnDisk, list);
        EXPECT_EQ(tags(), c.firstOnDisk) << c.answer;
    }
}

TEST_F(FileCommands, OpenStopsWhenSavingTheEditsFails)
{
    fs::create_directory(path("gone"));
    openEdited("gone/first.tap");
    fs::remove_all(path("gone"));
    write("second.tap", tapeOf({4}));
    fake.openAnswers.push_back("second.tap");

    EXPECT_THROW(APRI(window, list), CommandAbandoned);

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].FILENAME, path("gone/first.tap"));
    EXPECT_EQ(tags(), (std::vector<int>{1, 2}));
    EXPECT_EQ(list.currentFile, path("gone/first.tap"));
}

TEST_F(FileCommands, OpenOfAnUnreadableMissingOrNoFileChangesNothing)
{
    openEdited("first.tap");
    fake.openAnswers = {unreadable("locked.tap"), "missing", ""};

    EXPECT_THROW(APRI(window, list), CommandAbandoned);
    APRI(window, list);
    APRI(window, list);

    EXPECT_EQ(errors.size(), 1u);
    ASSERT_EQ(fake.messages.size(), 1u);  // no question about the edits, only the missing file
    EXPECT_EQ(fake.messages[0].text, notFound(path("missing.tap")));
    EXPECT_EQ(tags(), (std::vector<int>{1, 2}));
    EXPECT_EQ(list.currentFile, path("first.tap"));
    EXPECT_EQ(window.list.reloads, 0);
}

TEST_F(FileCommands, ReopeningTheFileJustSavedShowsTheSavedEntries)
{
    openEdited("game.tap");
    fake.openAnswers.push_back("game.tap");
    APRI(window, list);
    EXPECT_EQ(tags(), (std::vector<int>{1, 2}));
    EXPECT_FALSE(CAMBIATO(list));
}

// --- Save and Save As -----------------------------------------------------------------------

TEST_F(FileCommands, SaveWritesTheFileBackByteForByte)
{
    // Ends in 0x1A, holds 0x00 bytes, and is cut off inside its last block.
    const std::string bytes = header(0, "prog") + data(std::string("\x00\x1A", 2)) +
                              framed("\xFF\x1A") + std::string("\x09\x00\xFF\x1A", 4);
    open("game.tap", bytes, {1}, 1);

    SALVA(window, list, false);

    EXPECT_EQ(read(path("game.tap")), bytes);
    EXPECT_EQ(window.titles, std::vector<std::string>{"Murax 1.05"});
    EXPECT_EQ(window.statusTexts, std::vector<std::string>{BLKINFO(list)});
    EXPECT_TRUE(fake.events.empty());
}

TEST_F(FileCommands, SavingAnEmptyListWritesAnEmptyFile)
{
    open("game.tap", tapeOf({1}));
    list.clear();
    SALVA(window, list, false);
    EXPECT_TRUE(fs::is_regular_file(path("game.tap")));
    EXPECT_EQ(fs::file_size(path("game.tap")), 0u);
    EXPECT_FALSE(CAMBIATO(list));
}

TEST_F(FileCommands, SaveAsCompletesTheNameAndMovesEverythingOn)
{
    openEdited("game.tap");
    fake.saveAnswers = {"plain", "dotted.", "other.bin"};
    for (const char* expected : {"plain.tap", "dotted..tap", "other.bin"}) {
        SALVA(window, list, true);
        EXPECT_EQ(list.currentFile, path(expected));
        EXPECT_EQ(read(path(expected)), tapeOf({1, 2}));
        EXPECT_EQ(window.statusTexts.back(), "Blocks: 2     File: " + path(expected));
    }
    EXPECT_EQ(fake.events.front(), "save: TAP file to save");
    EXPECT_EQ(fake.saveFilters.front(), std::vector<std::string>{"TAP files (*.tap)"});
    EXPECT_TRUE(fake.messages.empty());  // none of them existed
    EXPECT_EQ(window.titles, std::vector<std::string>(3, "Murax 1.05"));

    list.removeSelection({list.count() - 1});
    SALVA(window, list, false);
    EXPECT_EQ(read(path("other.bin")), tapeOf({1}));
    EXPECT_EQ(read(path("game.tap")), tapeOf({1, 2, 3}));
}

TEST_F(FileCommands, SaveAsOntoAnExistingFileAsksFirst)
{
    openEdited("game.tap");
    write("other.tap", "keep");
    fake.saveAnswers = {"game.tap", "other"};
    fake.messageAnswers = {Desktop::Ok, Desktop::Cancel};

    SALVA(window, list, true);  // onto the current file: still asked
    SALVA(window, list, true);  // declined

    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].kind, 2);
    EXPECT_EQ(fake.messages[0].text,
              "The existing file\r\n\r\n" + path("game.tap") + "\r\n\r\nwill be overwritten.");
    EXPECT_EQ(read(path("game.tap")), tapeOf({1, 2}));
    EXPECT_EQ(read(path("other.tap")), "keep");
    EXPECT_EQ(list.currentFile, path("game.tap"));
}

TEST_F(FileCommands, FailedSaveIsReportedAndKeepsTheOldNameAndFile)
{
    openEdited("game.tap");
    fs::create_directory(path("folder.tap"));
    fake.saveAnswers = {"folder.tap", "vanished/new.tap"};

    EXPECT_THROW(SALVA(window, list, true), CommandAbandoned);
    EXPECT_THROW(SALVA(window, list, true), CommandAbandoned);

    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].FILENAME, path("folder.tap"));
    EXPECT_EQ(errors[1].FILENAME, path("vanished/new.tap"));
    EXPECT_EQ(errors[1].OSCODE, 3);
    EXPECT_EQ(list.currentFile, path("game.tap"));
    EXPECT_TRUE(window.statusTexts.empty());
    EXPECT_EQ(read(path("game.tap")), tapeOf({1, 2, 3}));
    EXPECT_TRUE(fs::is_empty(path("folder.tap")));
    // No leftover beside the targets: only game.tap and the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

// --- Change test and exit question -----------------------------------------------------------

TEST_F(FileCommands, ChangeTestComparesTheWholeFile)
{
    open("game.tap", tapeOf({1, 2}));
    EXPECT_FALSE(CAMBIATO(list));
    for (const std::string& onDisk : {tapeOf({1, 2}) + "x", tapeOf({1}), tapeOf({1, 3})}) {
        write("game.tap", onDisk);
        EXPECT_TRUE(CAMBIATO(list));
    }
    list.clear();
    fs::remove(path("game.tap"));
    EXPECT_FALSE(CAMBIATO(list));  // a missing file counts as empty
}

TEST_F(FileCommands, ExitQuestionSavesOnYesOnly)
{
    openEdited("game.tap");
    fake.messageAnswers.push_back(Desktop::No);
    exitQuestion(app, list);
    EXPECT_EQ(read(path("game.tap")), tapeOf({1, 2, 3}));

    fs::remove(path("game.tap"));  // deleted meanwhile: written again
    exitQuestion(app, list);
    EXPECT_EQ(read(path("game.tap")), tapeOf({1, 2}));
    exitQuestion(app, list);  // nothing left to ask

    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[1].text, kChanged);
    EXPECT_EQ(fake.messages[1].kind, 4);
}

TEST_F(FileCommands, FailedSaveAtExitKeepsTheEditsInARecoveryFile)
{
    openEdited("game.tap");
    // The file has been replaced by a folder meanwhile: the save cannot go there.
    fs::remove(path("game.tap"));
    fs::create_directory(path("game.tap"));

    exitQuestion(app, list);

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].FILENAME, path("game.tap"));
    EXPECT_EQ(read(path("game.recovered.tap")), tapeOf({1, 2}));
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[1].kind, 1);
    EXPECT_NE(fake.messages[1].text.find(path("game.recovered.tap")), std::string::npos);
}

}  // namespace
}  // namespace murax::testing
