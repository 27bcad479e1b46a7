// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/move_commands.h"

#include "tape/commands/block_list_box.h"
#include "tape/commands/edit_refusal.h"
#include "tape/commands/undo_step.h"

namespace murax {
namespace {

// Redrawing stays off while the list is rebuilt, so it is repainted once, and comes back on even
// if the rebuild fails.
class RedrawSuspended {
public:
    explicit RedrawSuspended(ListBox& box) : box_(box) { box_.suspendRedraw(); }
    ~RedrawSuspended() { box_.resumeRedraw(); }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    ListBox& box_;
};

// Swaps the current entry with the one `step` places away; nothing at all happens when there is
// no current entry or no neighbour on that side.
void moveCurrent(Window& window, BlockList& list, int step)
{
    ListBox& box = blockListBox(window);
    const int p = box.currentPosition();
    const int q = p + step;
    const int count = static_cast<int>(list.count());
    if (p < 1 || p > count || q < 1 || q > count)
        return;
    const UndoStep undoStep(list, box);
    Placed placed;
    if (!changeUnlessRefused(window.app(), [&] {
            placed = list.swap(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(q - 1));
        }))
        return;
    RedrawSuspended suspended(box);
    // The moved entry, or the header it became the data of.
    reloadAndSelect(box, list.lines(),
                    static_cast<int>(placed(static_cast<std::size_t>(q - 1))) + 1);
}

}  // namespace

void SPOSTASU(Window& window, BlockList& list)
{
    moveCurrent(window, list, -1);
}

void SPOSTAGIU(Window& window, BlockList& list)
{
    moveCurrent(window, list, +1);
}

}  // namespace murax
