// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_menus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "seam/command_dispatch.h"
#include "tests/fakes/fake_desktop.h"

namespace murax::testing {
namespace {

// Every menu entry of the table shows, with its text, in exactly the menu it names, in table
// order; read from the table, so that a new row needs no change here.
TEST(CommandMenus, EachMenuHoldsTheCommandsThatNameItInTableOrder)
{
    std::vector<const Command*> inToolbarMenus;
    for (const ToolbarButtonLook& look : toolbarButtonLooks()) {
        const std::vector<MenuEntry> entries = toolbarMenuEntries(look.button);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].command->button, look.button);
            EXPECT_STREQ(entries[i].text, entries[i].command->menuEntry);
            EXPECT_TRUE(i == 0 || entries[i - 1].command < entries[i].command) << look.bitmap;
            inToolbarMenus.push_back(entries[i].command);
        }
    }
    std::vector<const Command*> inContextMenu;
    for (const MenuEntry& entry : contextMenuEntries()) {
        EXPECT_STREQ(entry.text, entry.command->contextMenuEntry);
        EXPECT_TRUE(inContextMenu.empty() || inContextMenu.back() < entry.command);
        inContextMenu.push_back(entry.command);
    }
    for (const Command& command : commandTable()) {
        const auto count = [&command](const std::vector<const Command*>& commands) {
            return std::count(commands.begin(), commands.end(), &command);
        };
        EXPECT_EQ(count(inToolbarMenus), command.menuEntry != nullptr ? 1 : 0) << command.name;
        EXPECT_EQ(count(inContextMenu), command.contextMenuEntry != nullptr ? 1 : 0)
            << command.name;
    }
    EXPECT_TRUE(toolbarMenuEntries(ToolbarButton::None).empty());
}

// A toolbar click as the face reports it: the menu the face would show answers with the entry at
// `choose` (-1: none chosen), and what reaches the runner is recorded.
class ToolbarClick : public ::testing::Test {
protected:
    struct Outcome {
        int menusShown = 0;
        std::vector<std::string> ran;
    };
    Outcome click(ToolbarButton button, int choose)
    {
        Outcome outcome;
        const std::vector<MenuEntry> entries = toolbarMenuEntries(button);
        clickToolbarButton(
            app, button,
            [&]() -> const Command* {
                ++outcome.menusShown;
                return choose < 0 ? nullptr : entries.at(static_cast<std::size_t>(choose)).command;
            },
            [&](const Command& command) { outcome.ran.push_back(command.name); });
        return outcome;
    }

    FakeDesktop fake;
    AppContext app{fake};
};

TEST_F(ToolbarClick, AButtonRunsItsCommandOrTheEntryChosenFromItsMenu)
{
    using B = ToolbarButton;
    const struct {
        B button;
        int choose;
        int menusShown;
        std::vector<std::string> ran;
    } cases[] = {
        {B::Open, 0, 0, {"Open"}}, {B::Delete, 0, 0, {"Delete"}},
        {B::Run, 0, 0, {"Run"}},   {B::Add, 1, 1, {"Insert"}},
        {B::Save, 0, 1, {"Save"}}, {B::Edit, 1, 1, {"Edit with hex editor"}},
        {B::Save, -1, 1, {}},  // Esc or a click outside
        {B::None, 0, 0, {}},   // no button's command runs for a click beside the buttons
    };
    for (const auto& c : cases) {
        const Outcome outcome = click(c.button, c.choose);
        EXPECT_EQ(outcome.menusShown, c.menusShown) << static_cast<int>(c.button);
        EXPECT_EQ(outcome.ran, c.ran) << static_cast<int>(c.button);
    }
    EXPECT_EQ(fake.beeps, 0);
}

TEST_F(ToolbarClick, WhileACommandRunsNoButtonStartsAnythingNorOpensItsMenu)
{
    dispatchCommand(app, [this] {
        for (const ToolbarButtonLook& look : toolbarButtonLooks()) {
            const Outcome outcome = click(look.button, 0);
            EXPECT_EQ(outcome.menusShown, 0) << look.bitmap;
            EXPECT_TRUE(outcome.ran.empty()) << look.bitmap;
        }
    });
    EXPECT_EQ(fake.beeps, static_cast<int>(toolbarButtonLooks().size()));
}

}  // namespace
}  // namespace murax::testing
