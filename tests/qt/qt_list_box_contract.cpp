// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "qt/block_list_view.h"
#include "qt/qt_look.h"
#include "tests/seam/list_box_contract.h"

namespace murax::testing {
namespace {

// The Qt window's block list box, with the BlockList lines it is bound to, on the screen at the
// window's size, so that reloads and selections lay out and scroll as they do in the program.
struct QtListBoxHarness {
    QtListBoxHarness()
    {
        view.resize(toQRect(main_window::kListRect).size());
        view.show();
    }
    DisplayLines bound;
    BlockListView view{bound, nullptr};
    ListBox& box() { return view; }
    bool redraws() const { return view.updatesEnabled(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, ListBoxContract, ::testing::Types<QtListBoxHarness>);

}  // namespace
}  // namespace murax::testing

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
