// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "seam/list_box.h"

namespace murax::testing {

// What every ListBox must do, whichever front end draws it, since the commands count on it: the
// rules of a standard extended-selection list box. A list box joins with a harness and one line,
//     INSTANTIATE_TYPED_TEST_SUITE_P(Name, ListBoxContract, HarnessType);
// where the harness, made with its default constructor, holds a list box with no rows, hands it
// out from box(), and tells from redraws() whether the list box draws its changes now.
template <class Harness>
class ListBoxContract : public ::testing::Test {
protected:
    using Rows = std::vector<int>;

    ListBox& box() { return harness_.box(); }
    bool redraws() { return harness_.redraws(); }

    // Shows `count` lines, "line 1" onwards.
    void reloadWith(int count)
    {
        DisplayLines lines;
        lines.reserve(static_cast<std::size_t>(count));
        for (int i = 1; i <= count; ++i)
            lines.emplace_back("line " + std::to_string(i));
        box().reload(lines);
    }

    // Where the list box is now: its rows, its current row and its selection.
    void expectState(int count, int current, const Rows& selected)
    {
        EXPECT_EQ(box().count(), count);
        EXPECT_EQ(box().currentPosition(), current);
        EXPECT_EQ(box().selectedPositions(), selected);
    }

private:
    Harness harness_;
};

TYPED_TEST_SUITE_P(ListBoxContract);

TYPED_TEST_P(ListBoxContract, PositionsCountFromOneAndOnlyRowsOfTheListCanBeSelected)
{
    this->expectState(0, 0, {});
    this->reloadWith(3);
    this->expectState(3, 0, {});
    this->box().select(1);
    this->expectState(3, 1, {1});
    this->box().select(3);
    this->expectState(3, 3, {1, 3});
    for (const int outside : {0, 4, -1, 1000})
        this->box().select(outside);
    this->expectState(3, 3, {1, 3});
}

TYPED_TEST_P(ListBoxContract, AReloadClearsTheSelectionAndLeavesNoCurrentRow)
{
    this->reloadWith(4);
    this->box().select(2);
    this->box().select(3);
    this->reloadWith(5);
    this->expectState(5, 0, {});
    // The same rows again are no exception.
    this->box().select(5);
    this->reloadWith(5);
    this->expectState(5, 0, {});
    // Nor is an empty list, in which nothing can be selected.
    this->reloadWith(0);
    this->box().select(1);
    this->box().selectRows({1}, 1);
    this->expectState(0, 0, {});
}

TYPED_TEST_P(ListBoxContract, SelectAddsItsRowAndMakesItCurrentTheSelectionReadsAscending)
{
    this->reloadWith(6);
    for (const int position : {5, 2, 4})
        this->box().select(position);
    this->expectState(6, 4, {2, 4, 5});
    // A row already selected stays selected once, and becomes current.
    this->box().select(5);
    this->expectState(6, 5, {2, 4, 5});
}

TYPED_TEST_P(ListBoxContract, SelectRowsAddsTheRowsAtOnceAndSetsTheCurrentRowSelectedOrNot)
{
    this->reloadWith(6);
    this->box().select(1);
    this->box().selectRows({5, 3, 9, 0, -2}, 4);
    this->expectState(6, 4, {1, 3, 5});
    // After a reload it brings a selection back as it was, with no current row when given none.
    this->reloadWith(6);
    this->box().selectRows({2, 6}, 0);
    this->expectState(6, 0, {2, 6});
    this->box().selectRows({}, 6);
    this->expectState(6, 6, {2, 6});
}

TYPED_TEST_P(ListBoxContract, SuspendedRedrawingHoldsBackTheDrawingNotTheChanges)
{
    this->reloadWith(3);
    EXPECT_TRUE(this->redraws());
    this->box().suspendRedraw();
    EXPECT_FALSE(this->redraws());
    this->reloadWith(8);
    this->box().select(7);
    this->box().selectRows({2}, 0);
    this->expectState(8, 7, {2, 7});
    this->box().resumeRedraw();
    EXPECT_TRUE(this->redraws());
    this->expectState(8, 7, {2, 7});
}

TYPED_TEST_P(ListBoxContract, AMillionRowsReloadSelectAndClearLikeAFew)
{
    constexpr int kRows = 1'000'000;
    this->reloadWith(kRows);
    this->box().select(kRows);
    this->expectState(kRows, kRows, {kRows});
    std::vector<int> everyOther;
    for (int position = 1; position <= kRows; position += 2)
        everyOther.push_back(position);
    this->box().selectRows(everyOther, 1);
    everyOther.push_back(kRows);
    this->expectState(kRows, 1, everyOther);
    this->reloadWith(kRows);
    this->expectState(kRows, 0, {});
}

REGISTER_TYPED_TEST_SUITE_P(ListBoxContract, PositionsCountFromOneAndOnlyRowsOfTheListCanBeSelected,
                            AReloadClearsTheSelectionAndLeavesNoCurrentRow,
                            SelectAddsItsRowAndMakesItCurrentTheSelectionReadsAscending,
                            SelectRowsAddsTheRowsAtOnceAndSetsTheCurrentRowSelectedOrNot,
                            SuspendedRedrawingHoldsBackTheDrawingNotTheChanges,
                            AMillionRowsReloadSelectAndClearLikeAFew);

}  // namespace murax::testing
