// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/key_router.h"

#include <filesystem>

#include "seam/command_dispatch.h"
#include "tape/model/change_detection.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

using Keys = CommandTest;

TEST_F(Keys, CtrlUpAndCtrlDownMoveTheEntryAndAreConsumed)
{
    open("game.tap", tapeOf({1, 2, 3}), {2}, 2);
    const KeyPress ctrlUp{vk::Up, true}, ctrlDown{vk::Down, true};
    EXPECT_TRUE(TASTI(window, ctrlUp, list));
    EXPECT_EQ(tags(), (std::vector<int>{2, 1, 3}));
    EXPECT_TRUE(TASTI(window, ctrlUp, list));  // at the top: nothing moves, still consumed
    EXPECT_EQ(tags(), (std::vector<int>{2, 1, 3}));
    EXPECT_TRUE(TASTI(window, ctrlDown, list));
    EXPECT_TRUE(TASTI(window, ctrlDown, list));
    EXPECT_EQ(tags(), (std::vector<int>{1, 3, 2}));
}

TEST_F(Keys, ArrowsWithoutCtrlAreLeftToTheList)
{
    open("game.tap", tapeOf({1, 2, 3}), {2}, 2);
    EXPECT_FALSE(TASTI(window, {vk::Up}, list));
    EXPECT_FALSE(TASTI(window, {vk::Down, false, true}, list));  // Shift is not Ctrl
    EXPECT_EQ(tags(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(window.list.log.empty());
}

TEST_F(Keys, EachCommandKeyRunsItsCommandWithoutConsumingTheKey)
{
    open("game.tap", header(0, "NAME") + data("x") + lone(2), {2}, 2);
    // Ctrl does not change what these keys do.
    const auto withCtrl = [](int virtualKey) { return KeyPress{virtualKey, true}; };

    EXPECT_FALSE(TASTI(window, withCtrl(vk::Delete), list));
    EXPECT_EQ(fake.messages.back().text, "Delete the selected blocks?");
    EXPECT_EQ(list.count(), 1u);

    window.nameAnswers.push_back("NEW");
    EXPECT_FALSE(TASTI(window, withCtrl(vk::Return), list));
    EXPECT_EQ(list.entries()[0].substr(4, 10), "NEW       ");

    EXPECT_FALSE(TASTI(window, withCtrl(vk::F9), list));
    EXPECT_FALSE(CAMBIATO(list));

    EXPECT_FALSE(TASTI(window, withCtrl(vk::F11), list));
    EXPECT_EQ(fake.opened, std::vector<std::string>{path("game.tap")});

    EXPECT_FALSE(TASTI(window, withCtrl(vk::F2), list));
    EXPECT_EQ(fake.events.back(), "open: Select a TAP file to open");

    const auto eventsBefore = fake.events.size();
    EXPECT_FALSE(TASTI(window, withCtrl('A'), list));
    EXPECT_FALSE(TASTI(window, withCtrl(vk::Control), list));
    EXPECT_EQ(fake.events.size(), eventsBefore);
}

TEST_F(Keys, AnAbandonedCommandStopsAtTheKeyHandler)
{
    std::filesystem::create_directory(path("sub"));
    open("sub/game.tap", tapeOf({1}), {1}, 1);
    std::filesystem::remove_all(path("sub"));
    EXPECT_NO_THROW(EXPECT_FALSE(TASTI(window, {vk::F9}, list)));
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_FALSE(app.commandRunning());
}

TEST_F(Keys, NoCommandStartsWhileAnotherIsRunning)
{
    open("game.tap", tapeOf({1, 2, 3}), {2}, 2);
    dispatchCommand(app, [&] {
        EXPECT_TRUE(TASTI(window, {vk::Up, true}, list));
        EXPECT_FALSE(TASTI(window, {vk::Delete}, list));
    });
    EXPECT_EQ(tags(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(fake.messages.empty());
}

}  // namespace
}  // namespace murax::testing
