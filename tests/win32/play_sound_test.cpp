// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Play on Windows: the play window drawn for a sound of the scripted desktop, and the system's
// wave output playing a tape to its end and silenced by Stop.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <thread>

#include "support/platform/wide_text_windows.h"
#include "tape/commands/play_command.h"
#include "tape/commands/tape_playing.h"
#include "tests/fakes/fake_window.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/win32/helpers/dialog_answerer.h"
#include "tests/win32/helpers/thread_windows.h"
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

std::string textOf(HWND window)
{
    return utf8Text(windowText(window));
}

class WindowsPlayWindowTest : public WindowsWindowFixture {
protected:
    void pressF3()
    {
        press({VK_F3});
        ASSERT_NE(window_->entryViewer(), nullptr);
    }
};

TEST_F(WindowsPlayWindowTest, ShowsTheEntryPlayingAndStopSilencesIt)
{
    openWindow(kLoneData + headerEntry("alpha"));
    pressF3();
    ASSERT_NE(window_->entryViewer(), nullptr);
    SendMessageW(window_->entryViewer()->playButton(), BM_CLICK, 0, 0);
    pump();
    ASSERT_EQ(fake_.sounds.size(), 1u);
    ASSERT_NE(window_->playWindow(), nullptr);
    WindowsPlayWindow& playing = *window_->playWindow();
    EXPECT_TRUE(playing.isShowing());
    EXPECT_EQ(GetWindow(playing.handle(), GW_OWNER), window_->handle());
    EXPECT_EQ(textOf(playing.progress()).rfind("Playing 1 of 1: Data block\r\n", 0), 0u)
        << textOf(playing.progress());
    EXPECT_EQ(textOf(playing.stopButton()), kPlayStopButton);

    fake_.sounds[0]->played = fake_.sounds[0]->samples->sampleRate() * 60;
    EXPECT_TRUE(
        pumpUntil([&] { return textOf(playing.progress()).rfind("Played", 0) == 0; }, 2000));
    SendMessageW(playing.stopButton(), BM_CLICK, 0, 0);
    EXPECT_TRUE(fake_.sounds[0]->silenced);
    EXPECT_FALSE(playing.isShowing());
    EXPECT_FALSE(playing.isPlaying());
}

TEST_F(WindowsPlayWindowTest, ClosesWhenTheSoundEndsAndNoSoundOutlivesTheWindow)
{
    openWindow(kLoneData);
    pressF3();
    SendMessageW(window_->entryViewer()->playButton(), BM_CLICK, 0, 0);
    pump();
    ASSERT_EQ(fake_.sounds.size(), 1u);
    WindowsPlayWindow& playing = *window_->playWindow();
    fake_.sounds[0]->ended = true;
    EXPECT_TRUE(pumpUntil([&] { return !playing.isShowing(); }, 2000));
    EXPECT_FALSE(playing.isPlaying());

    SendMessageW(window_->entryViewer()->playButton(), BM_CLICK, 0, 0);
    pump();
    ASSERT_EQ(fake_.sounds.size(), 2u);
    EXPECT_TRUE(playing.isShowing());
    SendMessageW(playing.handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(fake_.sounds[1]->silenced);
    EXPECT_FALSE(playing.isShowing());
}

// The system's own sound output, where Wine has one; where it has none, Play says so.
TEST(WindowsSoundOutput, PlaysATapeToItsEndAndStopSilencesIt)
{
    WindowsDesktop desktop;
    const std::vector<std::string_view> entries = {kLoneData};
    TapePlaying whole(entries, playSoundFormat());
    if (!whole.start(desktop)) {
        // Where a sound card was set up for the test, finding none is a fault.
        ASSERT_EQ(std::getenv("MURAX_EXPECT_SOUND_DEVICE"), nullptr) << "no sound device found";
        std::cout << "[   NOTE   ] no sound device here: checking the message that says so\n";
        AppContext app(desktop);
        FakeWindow window(app);
        BlockList list;
        splitIntoEntries(kLoneData, list);
        window.list.setState(list.lines(), {1}, 1);
        std::wstring told;
        {
            DialogAnswerer answerer(L"Attenzione", [&](HWND box) {
                told = windowText(GetDlgItem(box, 0xFFFF));
                pressButton(box, IDOK);
            });
            playCommand(window, list);
        }
        EXPECT_NE(told.find(L"no sound device"), std::wstring::npos);
        EXPECT_EQ(window.playWindow, nullptr);
        return;
    }
    // Half a second of silence, two of pilot tone, the bytes and a second of pause.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(whole.ended());
    EXPECT_EQ(whole.progressText().rfind("Playing 1 of 1: Data block\n", 0), 0u);
    ASSERT_TRUE(pumpUntil([&] { return whole.ended(); }, 30000));
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_GE(took, std::chrono::seconds(3));
    EXPECT_EQ(whole.progressText(), "Played 1 of 1\n0:00 left");

    TapePlaying stopped(entries, playSoundFormat());
    ASSERT_TRUE(stopped.start(desktop));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(stopped.ended());
    stopped.stop();
    EXPECT_TRUE(stopped.ended());
}

}  // namespace
}  // namespace murax::testing
