// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "seam/app_context.h"
#include "tape/model/tape_loading.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/support/helpers/scratch_folder.h"
#include "win32/message_pump.h"
#include "win32/windows_main_window.h"

namespace murax::testing {

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A key, with the modifiers held down with it.
struct Key {
    int virtualKey;
    bool control = false;
    bool shift = false;
};

// The real main window on a tape written to a scratch folder, driven by messages as the system
// would send them, every dialog of the desktop answered by the scripted fake.
class WindowsWindowFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        window_.reset();
        setModifiers(false, false);
    }

    void openWindow(const std::string& tape)
    {
        writeBytes(tapePath(), tape);
        ABLOCKS(tapePath().string(), list_);
        list_.currentFile = tapePath().string();
        window_ = std::make_unique<WindowsMainWindow>(app_, list_);
        ASSERT_NE(window_->open(), nullptr);
        UpdateWindow(window_->handle());
        pump();
    }

    std::filesystem::path tapePath() const { return folder_.path() / "game.tap"; }
    HWND list() { return window_->blockList().handle(); }

    // Handles what the window has been sent, as the program's loop would.
    static void pump()
    {
        for (int pass = 0; pass < 10; ++pass) {
            dispatchPendingMessages();
            Sleep(2);
        }
    }

    static void setModifiers(bool control, bool shift)
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = control ? 0x80 : 0;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
    }

    // A key pressed and released in the list, through the dialog manager as typed keys go.
    void press(const Key& key)
    {
        setModifiers(key.control, key.shift);
        PostMessageW(list(), WM_KEYDOWN, key.virtualKey, 1);
        PostMessageW(list(), WM_KEYUP, key.virtualKey, 0xC0000001);
        pump();
        setModifiers(false, false);
        pump();
    }

    // The bytes F9 writes over the tape's file.
    std::string savedBytes()
    {
        press({VK_F9});
        return readBytes(tapePath());
    }

    POINT rowPoint(int index, int offset)
    {
        RECT row{};
        SendMessageW(list(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
        return {row.left + 20, row.top + offset};
    }

    // A click in the middle of a toolbar button, as the mouse makes it; a menu it opens is
    // answered by the test.
    void clickToolbar(ToolbarButton button)
    {
        RECT place{};
        SendMessageW(window_->toolbar(), TB_GETRECT, WindowsToolbar::idOfButton(button),
                     reinterpret_cast<LPARAM>(&place));
        const LPARAM at =
            MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
        PostMessageW(window_->toolbar(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(window_->toolbar(), WM_LBUTTONUP, 0, at);
        pump();
    }

    void mouse(UINT message, POINT at, WPARAM flags)
    {
        PostMessageW(list(), message, flags, MAKELPARAM(at.x, at.y));
        pump();
    }

    FakeDesktop fake_;
    AppContext app_{fake_};
    ScratchFolder folder_;
    BlockList list_;
    std::unique_ptr<WindowsMainWindow> window_;
};

}  // namespace murax::testing
