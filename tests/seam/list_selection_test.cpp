// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/list_selection.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace murax {
namespace {

using Rows = std::vector<int>;

ListSelection withRows(int rows)
{
    ListSelection selection;
    selection.reset(rows);
    return selection;
}

TEST(ListSelection, ClickCtrlClickAndShiftFollowTheAnchor)
{
    ListSelection s = withRows(10);
    EXPECT_EQ(s.selectedRows(), Rows{});

    s.selectOnly(2);
    s.extendTo(5, false);  // shift+click
    EXPECT_EQ(s.selectedRows(), (Rows{2, 3, 4, 5}));
    s.extendTo(0, false);  // another shift+click from the same anchor replaces the range
    EXPECT_EQ(s.selectedRows(), (Rows{0, 1, 2}));

    EXPECT_TRUE(s.toggle(8));  // ctrl+click keeps the rest and moves the anchor
    EXPECT_EQ(s.selectedRows(), (Rows{0, 1, 2, 8}));
    s.extendTo(6, true);  // ctrl+shift+click adds the range from the new anchor
    EXPECT_EQ(s.selectedRows(), (Rows{0, 1, 2, 6, 7, 8}));
    s.extendTo(9, true);  // and dragging back over it gives the rows it passed back
    EXPECT_EQ(s.selectedRows(), (Rows{0, 1, 2, 8, 9}));
    s.extendTo(7, false);  // plain shift drops everything outside the range
    EXPECT_EQ(s.selectedRows(), (Rows{7, 8}));

    EXPECT_FALSE(s.toggle(7));
    EXPECT_EQ(s.selectedRows(), Rows{8});
    s.extendTo(9, true, false);  // a ctrl-drag that began by deselecting deselects
    EXPECT_EQ(s.selectedRows(), Rows{});
}

TEST(ListSelection, OutOfRangeRowsChangeNothingAndAResetForgetsEverything)
{
    ListSelection s = withRows(3);
    s.add(1);
    s.add(-1);
    s.add(3);
    EXPECT_FALSE(s.toggle(7));
    s.selectOnly(3);
    s.extendTo(5, false);
    EXPECT_EQ(s.selectedRows(), Rows{1});
    EXPECT_FALSE(s.contains(-1));
    EXPECT_FALSE(s.contains(3));

    s.reset(200);
    EXPECT_EQ(s.rows(), 200);
    EXPECT_EQ(s.selectedRows(), Rows{});
    s.extendTo(2, false);  // no anchor after a reset: the range starts at the top
    EXPECT_EQ(s.selectedRows(), (Rows{0, 1, 2}));

    s.reset(0);
    s.selectAll();
    s.extendTo(0, false);
    EXPECT_EQ(s.selectedRows(), Rows{});
}

TEST(ListSelection, RangesAcrossWordBoundariesMatchARowByRowModel)
{
    // Ranges of every length around the 64-row words, set and cleared, against a plain set.
    const int rows = 200;
    ListSelection s = withRows(rows);
    std::set<int> model;
    for (int first : {0, 1, 63, 64, 65, 127, 128}) {
        for (int last : {first, first + 1, 63, 64, 127, 128, 190, rows - 1}) {
            if (last < first)
                continue;
            const bool select = (first + last) % 3 != 0;
            s.add(first);
            model.insert(first);
            s.extendTo(last, true, select);
            for (int row = first; row <= last; ++row) {
                if (select)
                    model.insert(row);
                else
                    model.erase(row);
            }
            ASSERT_EQ(s.selectedRows(), Rows(model.begin(), model.end()))
                << "rows " << first << " to " << last;
        }
    }
    s.selectAll();
    EXPECT_EQ(s.selectedRows().size(), std::size_t{rows});
    EXPECT_TRUE(s.contains(rows - 1));
    s.clear();
    EXPECT_EQ(s.selectedRows(), Rows{});
}

}  // namespace
}  // namespace murax
