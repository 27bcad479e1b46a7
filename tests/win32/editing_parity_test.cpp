// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>

#include "support/platform/wide_text_windows.h"
#include "tests/win32/helpers/dialog_answerer.h"
#include "tests/win32/helpers/menu_answerer.h"
#include "tests/win32/helpers/shown_dialog_hook.h"
#include "tests/win32/helpers/thread_windows.h"
#include "tests/win32/helpers/windows_window_fixture.h"
#include "tests/window/editing_sessions.h"
#include "win32/resource_ids.h"

namespace murax::testing {
namespace {

// The field's text replaced as a paste does.
void pasteInto(HWND dialog, int id, const std::string& text)
{
    const std::wstring wide = wideText(text);
    HWND field = GetDlgItem(dialog, id);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

// The editing sessions every face shares, through the real Windows window: each must leave on
// disk the bytes the session expects once F9 has saved.
class EditingParityTest : public WindowsWindowFixture,
                          public ::testing::WithParamInterface<std::size_t> {
protected:
    std::string inFolder(const std::string& name) const { return (folder_.path() / name).string(); }

    // The row's middle, with the keys held down that a click with them sends.
    void clickRow(int row, UINT down, WPARAM keys)
    {
        const POINT at = rowPoint(row - 1, 5);
        mouse(down, at, MK_LBUTTON | keys);
        mouse(WM_LBUTTONUP, at, keys);
    }

    // Play, its window's keys and buttons, and the scripted sound card; then what the window
    // shows, once its timer has had the time to see it.
    void playGesture(const Gesture& gesture)
    {
        WindowsPlayWindow* window = window_->playWindow();
        if (gesture.kind == Gesture::Kind::Play && gesture.fromViewer) {
            press({VK_F3});
            ASSERT_NE(window_->entryViewer(), nullptr);
            SendMessageW(window_->entryViewer()->playButton(), BM_CLICK, 0, 0);
        } else if (gesture.kind == Gesture::Kind::Play) {
            PostMessageW(window_->handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list()),
                         MAKELPARAM(-1, -1));
        } else if (gesture.kind == Gesture::Kind::PlayWindow) {
            ASSERT_NE(window, nullptr);
            if (gesture.closeBox)
                PostMessageW(window->handle(), WM_CLOSE, 0, 0);
            else if (gesture.key != 0)
                PostMessageW(window->handle(), WM_KEYDOWN, static_cast<WPARAM>(gesture.key), 1);
            else
                SendMessageW(window->stopButton(), BM_CLICK, 0, 0);
        } else if (gesture.kind == Gesture::Kind::Card) {
            ASSERT_FALSE(fake_.sounds.empty());
            playOnCard(*fake_.sounds.back(), gesture);
        }
        pump();
        const std::optional<std::string>& text = gesture.playWindowShows;
        if (!text)
            return;
        // The window's text, its CR LF line breaks made LF; empty while it is not showing.
        std::string shown;
        const auto shows = [&] {
            window = window_->playWindow();
            shown = window && window->isShowing() ? utf8Text(windowText(window->progress())) : "";
            for (std::size_t at; (at = shown.find("\r\n")) != std::string::npos;)
                shown.erase(at, 1);
            return text->empty() ? shown.empty() : shown.rfind(*text, 0) == 0;
        };
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!shows() && std::chrono::steady_clock::now() < end)
            pump();
        EXPECT_TRUE(shows()) << shown;
        EXPECT_EQ(fake_.sounds.back()->silenced, text->empty());
    }

    void perform(const Gesture& gesture)
    {
        for (const int answer : gesture.answers)
            fake_.messageAnswers.push_back(answer);
        for (const std::string& file : gesture.files) {
            fake_.openAnswers.push_back(inFolder(file));
            fake_.saveAnswers.push_back(inFolder(file));
        }
        // The type chosen, the name's and the fields' texts replaced as a paste does, then Save.
        std::optional<DialogAnswerer> renamer;
        if (gesture.editsProperties())
            renamer.emplace(L"Edit properties", [gesture](HWND dialog) {
                if (gesture.type) {
                    HWND type = GetDlgItem(dialog, MURAX_ID_TYPE);
                    SendMessageW(type, CB_SETCURSEL, static_cast<WPARAM>(*gesture.type), 0);
                    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(MURAX_ID_TYPE, CBN_SELCHANGE),
                                 reinterpret_cast<LPARAM>(type));
                }
                if (gesture.name)
                    pasteInto(dialog, MURAX_ID_NAME_FIELD, *gesture.name);
                for (const auto& [at, text] : gesture.fields)
                    pasteInto(dialog, MURAX_ID_FIELD + at, text);
                pressButton(dialog, MURAX_ID_SAVE);
            });
        // The name's and the further field's texts pasted where given, then Add or Insert.
        std::optional<DialogAnswerer> maker;
        if (gesture.newEntry)
            maker.emplace(L"New entry from file", [answer = *gesture.newEntry](HWND dialog) {
                if (answer.name)
                    pasteInto(dialog, MURAX_ID_NAME_FIELD, *answer.name);
                if (answer.field)
                    pasteInto(dialog, MURAX_ID_NEW_FIELD, *answer.field);
                pressButton(dialog, answer.insert ? MURAX_ID_INSERT : MURAX_ID_ADD);
            });
        // Cancel clicked as the bar shows, through the button itself: the click waits in the
        // queue for the bar's first dispatch, which the reading makes before it goes on.
        std::optional<ShownDialogHook> progress;
        if (gesture.cancelsProgress)
            progress.emplace(L"Reading a recording", [](HWND bar) {
                PostMessageW(GetDlgItem(bar, IDCANCEL), BM_CLICK, 0, 0);
            });
        std::optional<MenuAnswerer> menu;
        if (!gesture.menuEntry.empty())
            menu.emplace(gesture.menuEntry);

        const WPARAM keys = (gesture.control ? MK_CONTROL : 0) | (gesture.shift ? MK_SHIFT : 0);
        switch (gesture.kind) {
        case Gesture::Kind::Key:
            press({gesture.key, gesture.control, gesture.shift});
            break;
        case Gesture::Kind::Click:
            setModifiers(gesture.control, gesture.shift);
            clickRow(gesture.row, WM_LBUTTONDOWN, keys);
            setModifiers(false, false);
            break;
        case Gesture::Kind::DoubleClick:
            // What a real double-click sends: press, release, double-click, release.
            clickRow(gesture.row, WM_LBUTTONDOWN, 0);
            clickRow(gesture.row, WM_LBUTTONDBLCLK, 0);
            break;
        case Gesture::Kind::Toolbar:
            clickToolbar(gesture.button);
            break;
        case Gesture::Kind::Drag:
            mouse(WM_LBUTTONDOWN, rowPoint(gesture.row - 1, 5), MK_LBUTTON);
            mouse(WM_MOUSEMOVE, rowPoint(gesture.dropRow - 1, 2), MK_LBUTTON);
            mouse(WM_LBUTTONUP, rowPoint(gesture.dropRow - 1, 2), 0);
            break;
        default:
            break;
        }
        playGesture(gesture);
        if (renamer) {
            EXPECT_TRUE(renamer->found());
        }
        if (maker) {
            EXPECT_TRUE(maker->found());
        }
        if (progress) {
            EXPECT_TRUE(progress->found());
        }
        // Each name went to an open or a save dialog, one each; the other kind's copy is dropped.
        EXPECT_EQ(fake_.openAnswers.size() + fake_.saveAnswers.size(), gesture.files.size());
        fake_.openAnswers.clear();
        fake_.saveAnswers.clear();
    }
};

TEST_P(EditingParityTest, SavesTheBytesExpected)
{
    const EditingSession& session = editingSessions()[GetParam()];
    SCOPED_TRACE(session.what);
    for (const FolderFile& file : session.others)
        writeBytes(folder_.path() / file.name, file.bytes);
    openWindow(session.tape);
    std::size_t questions = 0;
    for (const Gesture& gesture : session.gestures) {
        perform(gesture);
        questions += gesture.answers.size();
    }
    press({VK_F9});

    // Every question asked was one the session answered, and nothing else was shown.
    EXPECT_EQ(fake_.messages.size(), questions);
    EXPECT_TRUE(fake_.messageAnswers.empty());
    for (const FolderFile& file : session.afterSave)
        EXPECT_EQ(readBytes(folder_.path() / file.name), file.bytes) << file.name;
}

INSTANTIATE_TEST_SUITE_P(EverySession, EditingParityTest,
                         ::testing::Range<std::size_t>(0, editingSessions().size()));

}  // namespace
}  // namespace murax::testing
