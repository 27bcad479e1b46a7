// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/add_command.h"
#include "tape/commands/delete_command.h"
#include "tape/commands/move_commands.h"
#include "tape/commands/save_commands.h"
#include "tape/model/block_info.h"
#include "tape/model/change_detection.h"

#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

using ListCommands = CommandTest;
using Tags = std::vector<int>;

// --- Add and Insert -------------------------------------------------------------------------

TEST_F(ListCommands, InsertPlacesTheFileInItsOwnOrderAtTheCurrentRow)
{
    open("main.tap", tapeOf({1, 2, 3, 4, 5}), {3}, 3);
    fake.openAnswers.push_back(write("other.tap", tapeOf({6, 7})));

    AGGIUNGI(window, list, true);

    EXPECT_EQ(tags(), (Tags{1, 2, 6, 7, 3, 4, 5}));
    EXPECT_EQ(window.list.selectedPositions(), Tags{3});
    EXPECT_EQ(window.list.currentPosition(), 3);
    expectListInStep();
    EXPECT_EQ(fake.events.front(), "open: Select a TAP file to add");
    EXPECT_EQ(window.repaints, 1);
    EXPECT_EQ(window.statusTexts, std::vector<std::string>{BLKINFO(list)});
    EXPECT_EQ(list.currentFile, path("main.tap"));
}

TEST_F(ListCommands, AddAppendsAndKeepsTheCurrentRowAloneSelected)
{
    open("main.tap", tapeOf({1, 2, 3, 4, 5, 6}), {2, 4}, 4);
    fake.openAnswers = {write("other.tap", tapeOf({7, 8, 9})), write("empty.tap", "")};

    AGGIUNGI(window, list, false);
    EXPECT_EQ(tags(), (Tags{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(window.list.selectedPositions(), Tags{4});
    expectListInStep();

    window.list.setState(list.lines(), {1, 2}, 2);
    AGGIUNGI(window, list, false);  // an empty file adds nothing, yet the list is refreshed
    EXPECT_EQ(tags().size(), 9u);
    EXPECT_EQ(window.list.reloads, 2);
    EXPECT_EQ(window.list.selectedPositions(), Tags{2});
    EXPECT_EQ(window.statusTexts.size(), 2u);
}

TEST_F(ListCommands, AddOrInsertIntoAnEmptyListSelectsTheFirstRow)
{
    for (const bool insert : {false, true}) {
        open("main.tap", "");
        fake.openAnswers.push_back(write("other.tap", tapeOf({1, 2})));
        AGGIUNGI(window, list, insert);
        EXPECT_EQ(tags(), (Tags{1, 2})) << insert;
        EXPECT_EQ(window.list.selectedPositions(), Tags{1});
    }
}

TEST_F(ListCommands, AddCompletesTheNameAndChangesNothingForAMissingOrUnreadableFile)
{
    open("main.tap", tapeOf({1}), {1}, 1);
    write("other.tap", tapeOf({2}));
    fake.openAnswers = {"other", "absent", unreadable("locked.tap"), ""};

    AGGIUNGI(window, list, false);
    EXPECT_EQ(tags(), (Tags{1, 2}));
    const int reloads = window.list.reloads;

    AGGIUNGI(window, list, true);
    EXPECT_THROW(AGGIUNGI(window, list, true), CommandAbandoned);
    AGGIUNGI(window, list, true);  // dialog cancelled

    EXPECT_EQ(tags(), (Tags{1, 2}));
    EXPECT_EQ(window.list.reloads, reloads);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].kind, 1);
    EXPECT_EQ(fake.messages[0].text, "File\r\n\r\n" + path("absent.tap") + "\r\n\r\nnot found.");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].FILENAME, path("locked.tap"));
}

// --- Delete ---------------------------------------------------------------------------------

TEST_F(ListCommands, DeleteSelectsWhereTheTopmostDeletedEntryStood)
{
    struct Case {
        std::set<int> selected;
        int current;
        Tags left;
        int selectedAfter;
    };
    for (const Case& c : {Case{{2, 5}, 5, {1, 3, 4, 6}, 2}, Case{{5, 6}, 6, {1, 2, 3, 4}, 4},
                          Case{{}, 2, {1, 2, 3, 4, 5, 6}, 2}}) {
        open("main.tap", tapeOf({1, 2, 3, 4, 5, 6}), c.selected, c.current);
        fake.messages.clear();
        const int reloadsBefore = window.list.reloads;
        const int repaintsBefore = window.repaints;

        ELIMINA(window, list);

        EXPECT_EQ(tags(), c.left);
        EXPECT_EQ(window.list.selectedPositions(), Tags{c.selectedAfter});
        expectListInStep();
        // Reloaded and repainted once, even when no row was selected and nothing went.
        EXPECT_EQ(window.list.reloads, reloadsBefore + 1) << c.selected.size() << " selected";
        EXPECT_EQ(window.repaints, repaintsBefore + 1) << c.selected.size() << " selected";
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, "Delete the selected blocks?");
        EXPECT_EQ(fake.messages[0].kind, 4);
        EXPECT_EQ(window.statusTexts.back(), BLKINFO(list));
    }
}

TEST_F(ListCommands, DeleteOfEveryRowLeavesAnEmptyUnselectedList)
{
    open("main.tap", tapeOf({1, 2, 3}), {1, 2, 3}, 1);
    ELIMINA(window, list);
    EXPECT_TRUE(list.entries().empty());
    EXPECT_TRUE(list.lines().empty());
    EXPECT_TRUE(window.list.selectedPositions().empty());
    EXPECT_EQ(window.list.currentPosition(), 0);
    EXPECT_EQ(window.statusTexts.back().rfind("Blocks: 0     File: ", 0), 0u);
}

TEST_F(ListCommands, DeleteAnsweredNoOrOnAnEmptyListChangesNothing)
{
    open("main.tap", tapeOf({1, 2, 3}), {1, 3}, 3);
    fake.messageAnswers.push_back(Desktop::No);
    ELIMINA(window, list);
    EXPECT_EQ(tags(), (Tags{1, 2, 3}));
    EXPECT_EQ(window.list.selectedPositions(), (Tags{1, 3}));
    EXPECT_EQ(window.list.reloads, 0);

    open("empty.tap", "");
    ELIMINA(window, list);
    EXPECT_EQ(fake.messages.size(), 1u);  // no question for an empty list
}

TEST_F(ListCommands, DeleteOfManyScatteredRowsKeepsTheOthersInOrder)
{
    std::string bytes;
    std::set<int> selected;
    Tags expected;
    for (int i = 1; i <= 200; ++i) {
        bytes += lone(i);
        if (i % 3 == 0 || i % 7 == 0)
            selected.insert(i);
        else
            expected.push_back(i);
    }
    open("main.tap", bytes, selected, 7);
    ELIMINA(window, list);
    EXPECT_EQ(tags(), expected);
    expectListInStep();
}

// --- Move up and down -----------------------------------------------------------------------

TEST_F(ListCommands, MoveUpMovesOnlyTheCurrentEntryAndLeavesItAloneSelected)
{
    open("main.tap", tapeOf({1, 2, 3, 4, 5}), {2, 3, 4}, 4);

    SPOSTASU(window, list);

    EXPECT_EQ(tags(), (Tags{1, 2, 4, 3, 5}));
    EXPECT_EQ(window.list.selectedPositions(), Tags{3});
    EXPECT_EQ(window.list.currentPosition(), 3);
    EXPECT_EQ(window.list.log,
              (std::vector<std::string>{"suspend", "reload", "select 3", "resume"}));
    EXPECT_EQ(window.repaints, 0);
    EXPECT_TRUE(window.statusTexts.empty());
    expectListInStep();

    SPOSTASU(window, list);  // repeating keeps moving the same entry
    EXPECT_EQ(tags(), (Tags{1, 4, 2, 3, 5}));
}

TEST_F(ListCommands, MovesAtTheEdgesOrWithoutACurrentRowDoNothing)
{
    open("main.tap", tapeOf({1, 2, 3}), {1, 3}, 1);
    SPOSTASU(window, list);
    window.list.focus = 3;
    SPOSTAGIU(window, list);
    window.list.focus = 0;
    SPOSTAGIU(window, list);
    SPOSTASU(window, list);
    EXPECT_EQ(tags(), (Tags{1, 2, 3}));
    EXPECT_EQ(window.list.selectedPositions(), (Tags{1, 3}));
    EXPECT_TRUE(window.list.log.empty());

    open("empty.tap", "");
    SPOSTASU(window, list);
    SPOSTAGIU(window, list);
    EXPECT_TRUE(window.list.log.empty());
}

TEST_F(ListCommands, EditsThatCancelOutCountAsNoChange)
{
    open("main.tap", tapeOf({1, 2, 3}), {2}, 2);
    SPOSTAGIU(window, list);
    EXPECT_TRUE(CAMBIATO(list));
    SPOSTASU(window, list);
    EXPECT_FALSE(CAMBIATO(list));
    exitQuestion(app, list);
    EXPECT_TRUE(fake.messages.empty());

    fake.openAnswers.push_back(write("other.tap", tapeOf({4, 5})));
    AGGIUNGI(window, list, true);
    EXPECT_TRUE(CAMBIATO(list));
    window.list.setState(list.lines(), {2, 3}, 3);
    ELIMINA(window, list);
    EXPECT_FALSE(CAMBIATO(list));
}

}  // namespace
}  // namespace murax::testing
