// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "tape/commands/command_table.h"

namespace murax {
namespace {

// The rules a new row must keep, or part of the window would silently do nothing.
TEST(CommandTable, EveryRowCanBeStartedAndEveryButtonStartsSomething)
{
    std::set<std::tuple<int, bool, bool>> keysSeen;
    for (const Command& command : commandTable()) {
        SCOPED_TRACE(command.name);
        ASSERT_NE(command.routine, nullptr);
        bool hasKey = false;
        for (const KeyBinding& key : command.keys) {
            if (key.virtualKey == 0)
                continue;
            hasKey = true;
            // A second row with the same key and modifiers could never be reached.
            EXPECT_TRUE(keysSeen.insert({key.virtualKey, key.needsControl, key.needsShift}).second);
        }
        EXPECT_TRUE(hasKey || command.onDoubleClick || command.button != ToolbarButton::None ||
                    command.contextMenuEntry != nullptr);
        if (command.menuEntry != nullptr) {
            EXPECT_NE(command.button, ToolbarButton::None) << "a menu entry needs its button";
        }
    }

    std::set<ToolbarButton> buttonsSeen;
    for (const ToolbarButtonLook& look : toolbarButtonLooks()) {
        SCOPED_TRACE(look.bitmap);
        EXPECT_TRUE(buttonsSeen.insert(look.button).second);
        int direct = 0, entries = 0;
        for (const Command& command : commandTable())
            if (command.button == look.button)
                ++(command.menuEntry ? entries : direct);
        // A button either runs one command or shows a menu; it cannot do both.
        EXPECT_TRUE((direct == 1 && entries == 0) || (direct == 0 && entries > 0))
            << direct << " direct, " << entries << " in its menu";
    }
    for (const Command& command : commandTable()) {
        if (command.button != ToolbarButton::None) {
            EXPECT_TRUE(buttonsSeen.count(command.button)) << command.name << " has no button";
        }
    }
}

TEST(CommandTable, AButtonsIndexIsItsPlaceAmongTheLooks)
{
    const auto looks = toolbarButtonLooks();
    for (std::size_t i = 0; i < looks.size(); ++i)
        EXPECT_EQ(toolbarIndexOf(looks[i].button), static_cast<int>(i)) << looks[i].bitmap;
    EXPECT_EQ(toolbarIndexOf(ToolbarButton::Open), 0);
    EXPECT_EQ(toolbarIndexOf(ToolbarButton::None), -1);
}

}  // namespace
}  // namespace murax
