// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tape/commands/undo_step.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tests/fakes/fake_list_box.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax {
namespace {

using testing::FakeListBox;
using testing::framed;

// The entries are whole framed blocks: the list refuses to put one cut short before others.

BlockList numbered(int count)
{
    BlockList list;
    for (int i = 1; i <= count; ++i)
        list.append(framed("entry" + std::to_string(i)), DisplayLine("line " + std::to_string(i)));
    return list;
}

BlockList run(std::initializer_list<int> tags)
{
    BlockList list;
    for (const int tag : tags)
        list.append(framed("new" + std::to_string(tag)),
                    DisplayLine("new line " + std::to_string(tag)));
    return list;
}

// The list as entries and lines side by side, so a mismatch between them shows too.
std::vector<std::string> contents(const BlockList& list)
{
    std::vector<std::string> result;
    for (std::size_t i = 0; i < list.count(); ++i)
        result.push_back(list.entries()[i] + "|" + list.lines()[i].str());
    return result;
}

// Random edits of every kind, several to a step, then every step taken back and made again: the
// list passes through exactly the states it had, in both directions.
// One random edit of the five the list knows: insert a run, remove, move or swap some entries,
// or replace one. Each of the given rows is picked with a chance of one in oneIn.
template <typename MakeRun, typename MakeEntry>
void randomEdit(BlockList& list, std::mt19937& random, unsigned oneIn, const MakeRun& makeRun,
                const MakeEntry& makeEntry)
{
    const std::size_t n = list.count();
    std::vector<std::size_t> some;
    for (std::size_t i = 0; i < n; ++i)
        if (random() % oneIn == 0)
            some.push_back(i);
    switch (random() % 5) {
    case 0: {
        BlockList added = makeRun();
        list.insertRun(random() % (n + 1), std::move(added));
        break;
    }
    case 1:
        list.removeSelection(some);
        break;
    case 2:
        list.moveSelection(some, random() % (n + 1));
        break;
    case 3:
        if (n > 1)
            list.swap(random() % n, random() % n);
        break;
    default:
        if (n > 0) {
            const auto [bytes, line] = makeEntry();
            list.replace(random() % n, bytes, line);
        }
    }
}

TEST(BlockListHistory, UndoAndRedoRetraceEveryStateOfRandomEdits)
{
    std::mt19937 random(16);
    BlockList list = numbered(30);
    FakeListBox box;
    std::vector<std::vector<std::string>> states{contents(list)};
    int added = 0;
    for (int stepNumber = 0; stepNumber < 200; ++stepNumber) {
        {
            const UndoStep step(list, box);
            const int changes = 1 + static_cast<int>(random() % 3);
            for (int c = 0; c < changes; ++c)
                randomEdit(
                    list, random, 4,
                    [&] {
                        return run({++added, ++added});
                    },
                    [&] {
                        return std::pair{framed("replaced" + std::to_string(++added)),
                                         DisplayLine("replaced line")};
                    });
        }
        if (list.history().undoCount() == states.size())
            states.push_back(contents(list));
        else
            ASSERT_EQ(contents(list), states.back()) << "a step that changed something was lost";
    }
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(list.undo());
        ASSERT_EQ(contents(list), states[i]) << "after taking back step " << i + 1;
    }
    EXPECT_FALSE(list.undo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(list.redo());
        ASSERT_EQ(contents(list), states[i]) << "after making step " << i << " again";
    }
    EXPECT_FALSE(list.redo());
}

// Random edits of lists made of every kind of entry whose grouping depends on what follows it (a
// header alone, a short header, an empty block, a block whose length's first byte is 0, one cut
// short): after every edit, made or refused, the joined entries load back as exactly the entries
// the list holds, and undo and redo retrace exactly the states the list passed through.
TEST(BlockListHistory, EveryEditLeavesEntriesThatLoadBackAsTheyStand)
{
    const std::string kinds[] = {
        testing::lone(1),
        testing::headerEntry("h"),
        testing::headerBlock(3, "alone", 4, 0, 0),
        framed(std::string("\x00\x07", 2)),
        framed(""),
        testing::dataBlock(std::string(254, 'x')),
        std::string("\x09\x00\xFF", 3),
        testing::lone(1) + testing::lone(2),
    };
    const auto entry = [&](std::mt19937& random) { return kinds[random() % std::size(kinds)]; };
    const auto loadsBack = [](const BlockList& list) {
        BlockList again;
        splitIntoEntries(joinEntries(list), again);
        return again.entries() == list.entries();
    };
    std::mt19937 random(30);
    for (int round = 0; round < 40; ++round) {
        BlockList list;
        splitIntoEntries(entry(random) + entry(random) + entry(random) + entry(random), list);
        FakeListBox box;
        std::vector<std::vector<std::string>> states{contents(list)};
        for (int stepNumber = 0; stepNumber < 30; ++stepNumber) {
            const std::vector<std::string> before = contents(list);
            try {
                const UndoStep step(list, box);
                randomEdit(
                    list, random, 3,
                    [&] {
                        BlockList added;
                        splitIntoEntries(entry(random) + entry(random), added);
                        return added;
                    },
                    [&] {
                        return std::pair{entry(random), DisplayLine("replaced")};
                    });
            } catch (const EntryRegroups&) {
                ASSERT_EQ(contents(list), before) << "a refused edit changed the list";
            }
            ASSERT_TRUE(loadsBack(list)) << "round " << round << ", edit " << stepNumber;
            if (list.history().undoCount() == states.size())
                states.push_back(contents(list));
            else
                ASSERT_EQ(contents(list), states.back());
        }
        for (std::size_t i = states.size() - 1; i-- > 0;) {
            ASSERT_TRUE(list.undo());
            ASSERT_EQ(contents(list), states[i]) << "round " << round << ", undo to " << i;
        }
        for (std::size_t i = 1; i < states.size(); ++i) {
            ASSERT_TRUE(list.redo());
            ASSERT_EQ(contents(list), states[i]) << "round " << round << ", redo to " << i;
        }
    }
}

TEST(BlockListHistory, StepsKeepTheRowsAroundThemAndANewEditDropsWhatCouldBeRedone)
{
    BlockList list = numbered(6);
    FakeListBox box;
    box.setState(list.lines(), {2, 5}, 5);
    {
        const UndoStep step(list, box);
        list.removeSelection({1, 4});
        box.reload(list.lines());
        box.select(2);
    }
    const auto before = list.undo();
    ASSERT_TRUE(before);
    EXPECT_EQ(before->selected, (std::vector<int>{2, 5}));
    EXPECT_EQ(before->current, 5);
    const auto after = list.redo();
    ASSERT_TRUE(after);
    EXPECT_EQ(after->selected, std::vector<int>{2});
    EXPECT_EQ(after->current, 2);

    list.undo();
    EXPECT_TRUE(list.history().canRedo());
    {
        const UndoStep step(list, box);
        list.swap(0, 1);
    }
    EXPECT_FALSE(list.history().canRedo());
    EXPECT_EQ(list.history().undoCount(), 1u);
}

// A command that runs another inside its own step: the inner step's changes join the outer one,
// and one undo takes back the whole command.
TEST(BlockListHistory, AStepOpenedInsideAnotherJoinsIt)
{
    BlockList list = numbered(4);
    FakeListBox box;
    box.setState(list.lines(), {1}, 1);
    const auto original = contents(list);
    {
        const UndoStep outer(list, box);
        list.swap(0, 1);
        {
            const UndoStep inner(list, box, {{3}, 3});
            list.removeSelection({2});
        }
        list.replace(0, framed("replaced"), DisplayLine("replaced line"));
    }
    const auto edited = contents(list);
    ASSERT_EQ(list.history().undoCount(), 1u);

    const auto before = list.undo();
    ASSERT_TRUE(before);
    EXPECT_EQ(contents(list), original);
    EXPECT_EQ(before->selected, std::vector<int>{1});  // the outer step's rows
    EXPECT_FALSE(list.undo());
    ASSERT_TRUE(list.redo());
    EXPECT_EQ(contents(list), edited);
}

TEST(BlockListHistory, AChangeOutsideAStepDropsTheHistoryAndMovesInPlaceAreNoChange)
{
    BlockList list = numbered(5);
    FakeListBox box;
    {
        const UndoStep step(list, box);
        list.swap(0, 4);
        // The run 2..3 put back where it is, a replacement by the same bytes: nothing to note.
        EXPECT_EQ(list.moveSelection({1, 2}, 3), 1u);
        list.replace(2, list.entries()[2], list.lines()[2]);
    }
    ASSERT_EQ(list.history().undoCount(), 1u);
    ASSERT_TRUE(list.undo());
    ASSERT_TRUE(list.redo());

    // The history could no longer be applied to a list changed behind its back.
    list.swap(1, 2);
    EXPECT_FALSE(list.history().canUndo());
    EXPECT_FALSE(list.undo());
}

TEST(BlockListHistory, MoveSelectionPlacesTheRunAmongTheOthers)
{
    BlockList list = numbered(6);
    // Entries 1, 3 and 6 before entry 5 (index 4): 2 4 1 3 6 5.
    EXPECT_EQ(list.moveSelection({0, 2, 5}, 4), 2u);
    std::vector<std::string> order;
    for (const auto& entry : list.entries())
        order.push_back(entry.substr(7));
    EXPECT_EQ(order, (std::vector<std::string>{"2", "4", "1", "3", "6", "5"}));
    // Below the last entry.
    EXPECT_EQ(list.moveSelection({0}, 99), 5u);
    EXPECT_EQ(list.entries().back(), framed("entry2"));
    EXPECT_EQ(list.lines().back(), "line 2");
}

}  // namespace
}  // namespace murax
