// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/seam/list_box_contract.h"
#include "tests/fakes/fake_list_box.h"

namespace murax::testing {
namespace {

// The list box the command tests stand on.
struct FakeListBoxHarness {
    FakeListBox list;
    ListBox& box() { return list; }
    bool redraws() const { return list.redrawSuspended == 0; }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, ListBoxContract, ::testing::Types<FakeListBoxHarness>);

}  // namespace
}  // namespace murax::testing
