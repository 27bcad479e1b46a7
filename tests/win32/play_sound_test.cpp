// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Play on Windows: the play window's owner, and the system's wave output playing a tape to its
// end and silenced by Stop.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "tape/commands/play_command.h"
#include "tape/commands/tape_playing.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/win32/helpers/windows_window_fixture.h"
#include "win32/windows_desktop.h"

namespace murax::testing {
namespace {

const std::string kLoneData = dataBlock("lone bytes");

// Handles the window's messages until `ready` holds or `milliseconds` have gone by.
bool pumpUntil(const std::function<bool()>& ready, int milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!ready()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// The rest of Play's window is in the editing sessions both windows share.
using WindowsPlayWindowTest = WindowsWindowFixture;

TEST_F(WindowsPlayWindowTest, PlaysInAWindowTheMainWindowOwns)
{
    openWindow(kLoneData);
    press({VK_F3});
    ASSERT_NE(window_->entryViewer(), nullptr);
    SendMessageW(window_->entryViewer()->playButton(), BM_CLICK, 0, 0);
    pump();
    ASSERT_NE(window_->playWindow(), nullptr);
    EXPECT_TRUE(window_->playWindow()->isShowing());
    EXPECT_EQ(GetWindow(window_->playWindow()->handle(), GW_OWNER), window_->handle());
}

// The system's desktop, whose message boxes are only counted.
class QuietDesktop : public WindowsDesktop {
public:
    int messageBox(const std::string&, const std::string&, const MessageKindDescription&) override
    {
        ++boxes;
        return 0;
    }
    int boxes = 0;
};

// The system's own sound output, where Wine has one: a sound that plays to its end is not told
// as a card that stopped.
TEST(WindowsSoundOutput, PlaysATapeToItsEndAndStopSilencesIt)
{
    QuietDesktop desktop;
    AppContext app(desktop);
    const std::vector<std::string_view> entries = {kLoneData};
    TapePlaying whole(entries, playSoundFormat());
    if (!whole.start(app)) {
        // Where a sound card was set up for the test, finding none is a fault.
        ASSERT_EQ(std::getenv("MURAX_EXPECT_SOUND_DEVICE"), nullptr) << "no sound device found";
        GTEST_SKIP() << "no sound device here";
    }
    // Half a second of silence, two of pilot tone, the bytes and a second of pause.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(whole.ended());
    EXPECT_EQ(whole.progressText().rfind("Playing 1 of 1: Data block\n", 0), 0u);
    ASSERT_TRUE(pumpUntil([&] { return whole.ended(); }, 30000));
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_GE(took, std::chrono::seconds(3));
    EXPECT_EQ(whole.progressText(), "Played 1 of 1\n0:00 left");
    whole.tellHowItEnded();
    EXPECT_EQ(desktop.boxes, 0);

    TapePlaying stopped(entries, playSoundFormat());
    ASSERT_TRUE(stopped.start(app));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(stopped.ended());
    stopped.stop();
    EXPECT_TRUE(stopped.ended());
}

}  // namespace
}  // namespace murax::testing
