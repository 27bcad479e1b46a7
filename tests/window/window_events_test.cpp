// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_events.h"

#include "seam/command_dispatch.h"
#include "tape/commands/delete_command.h"
#include "tape/model/block_info.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

// A viewer that records the entries it was given to show, by their tags.
class FakeViewer : public EntryViewerFace {
public:
    bool showing = true;
    std::vector<std::string> shown;
    int putAways = 0;

    bool isShowing() const override { return showing; }
    void showEntry(std::string_view entry) override { shown.emplace_back(entry); }
    void putAway() override
    {
        showing = false;
        ++putAways;
    }
};

class WindowEventsTest : public CommandTest {
protected:
    WindowEvents events{window, list};
    FakeViewer viewer;
};

TEST_F(WindowEventsTest, TheViewerFollowsTheCurrentRowWhileItShows)
{
    open("game.tap", tapeOf({1, 2, 3}), {2}, 2);
    events.currentRowChanged();  // no viewer yet
    events.viewerShown(viewer);
    window.list.focus = 3;
    events.currentRowChanged();
    window.list.focus = 0;  // no current row
    events.currentRowChanged();
    EXPECT_EQ(viewer.shown, (std::vector<std::string>{lone(2), lone(3)}));

    viewer.showing = false;
    window.list.focus = 1;
    events.currentRowChanged();
    EXPECT_EQ(viewer.shown.size(), 2u);

    // Shown again: it catches up with the row that became current meanwhile.
    viewer.showing = true;
    events.viewerShown(viewer);
    EXPECT_EQ(viewer.shown.back(), lone(1));
}

TEST_F(WindowEventsTest, TheViewerGoesWithTheWindowAndWhenTheListEmpties)
{
    open("game.tap", tapeOf({1, 2}), {1, 2}, 1);
    events.listReloaded();  // no viewer yet
    events.windowHidden();
    events.viewerShown(viewer);
    events.listReloaded();  // entries left: the viewer stays
    EXPECT_EQ(viewer.putAways, 0);

    ELIMINA(window, list);
    ASSERT_TRUE(list.empty());
    events.listReloaded();
    EXPECT_EQ(viewer.putAways, 1);

    viewer.showing = true;
    events.windowHidden();
    EXPECT_EQ(viewer.putAways, 2);
}

// Each event starts its command through the dispatch point: a double-click renames the current
// header, drags move the selected rows, drops take files in, the context menu runs the entry
// chosen, the viewer's Export... exports the current entry and its Export as sound... writes the
// selected entry's sound.
TEST_F(WindowEventsTest, EachEventStartsItsCommand)
{
    open("game.tap", header(0, "NAME") + data("x") + lone(2) + lone(3), {1}, 1);
    window.nameAnswers.push_back("NEW");
    events.rowDoubleClicked();
    EXPECT_EQ(list.entries()[0].substr(4, 10), "NEW       ");

    window.list.setState(list.lines(), {3}, 3);
    events.rowsDragged(1);
    EXPECT_EQ(list.entries()[0], lone(3));

    events.filesDropped({write("more.tap", lone(7))}, 2);
    EXPECT_EQ(list.entries()[1], lone(7));

    window.list.setState(list.lines(), {2}, 2);
    events.contextMenuRequested([] { return contextMenuEntries().at(0).command; });
    EXPECT_EQ(window.viewerShownOn, std::vector<int>{2});
    events.contextMenuRequested([]() -> const Command* { return nullptr; });
    EXPECT_EQ(window.viewerShownOn.size(), 1u);

    fake.saveAnswers = {path("seven.bin")};
    events.exportRequested();
    EXPECT_EQ(read(path("seven.bin")), "entry7");
    fake.choiceAnswers = {0};
    fake.saveAnswers = {path("seven.wav")};
    events.exportSoundRequested();
    EXPECT_EQ(read(path("seven.wav")).substr(0, 4), "RIFF");
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_FALSE(app.commandRunning());
}

TEST_F(WindowEventsTest, WhileACommandRunsNothingElseStartsAndTheWindowStays)
{
    open("game.tap", tapeOf({1, 2, 3}), {2}, 2);
    EXPECT_TRUE(events.mayClose());
    EXPECT_EQ(fake.beeps, 0);
    dispatchCommand(app, [this] {
        EXPECT_FALSE(events.mayClose());
        events.rowsDragged(1);
        events.keyPressed({vk::Delete});
        events.run(*commandForKey({vk::Delete}).command);
        events.contextMenuRequested([] { return contextMenuEntries().at(0).command; });
    });
    EXPECT_EQ(fake.beeps, 5);
    EXPECT_EQ(tags(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(window.viewerShownOn.empty());
    EXPECT_TRUE(events.mayClose());
}

// The status bar shows the summary once the window is made; row 1 is selected once the first
// paint has returned, and no later paint selects it again.
TEST_F(WindowEventsTest, OpenedShowsTheSummaryAndTheFirstPaintSelectsRowOne)
{
    open("game.tap", tapeOf({1, 2}));
    events.opened();
    EXPECT_EQ(window.statusTexts, std::vector<std::string>{BLKINFO(list)});
    std::vector<std::function<void()>> later;
    const auto queue = [&later](std::function<void()> call) { later.push_back(std::move(call)); };
    events.painted(queue);
    EXPECT_TRUE(window.list.selectedPositions().empty());
    ASSERT_EQ(later.size(), 1u);
    later[0]();
    EXPECT_EQ(window.list.selectedPositions(), std::vector<int>{1});
    EXPECT_EQ(window.list.focus, 1);
    window.list.setState(list.lines(), {2}, 2);
    events.painted(queue);
    EXPECT_EQ(later.size(), 1u);
}

}  // namespace
}  // namespace murax::testing
