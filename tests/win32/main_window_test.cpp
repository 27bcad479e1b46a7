// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "seam/window_look.h"
#include "tape/model/tape_loading.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/win32/helpers/dialog_answerer.h"
#include "tests/win32/helpers/menu_answerer.h"
#include "tests/win32/helpers/windows_window_fixture.h"
#include "win32/message_pump.h"
#include "win32/resource_ids.h"
#include "win32/window_painting.h"
#include "win32/windows_main_window.h"

namespace murax::testing {
namespace {

// The real main window, driven by messages as the system would send them.
class WindowsMainWindowTest : public WindowsWindowFixture {};

const std::string kFirst = lone(1);
const std::string kSecond = lone(2);
const std::string kThird = lone(3);

// Keys, clicks, drags and the toolbar's commands, each checked on the bytes saved, are the
// editing sessions that both windows run (editing_parity_test.cpp).

TEST_F(WindowsMainWindowTest, TheFirstPaintMakesRowOneCurrentAndSelected)
{
    openWindow(kFirst + kSecond);
    EXPECT_EQ(window_->blockList().currentPosition(), 1);
    EXPECT_EQ(window_->blockList().selectedPositions(), std::vector<int>{1});
    EXPECT_NE(window_->statusText().find("2"), std::string::npos) << window_->statusText();
}

TEST_F(WindowsMainWindowTest, EnterOpensThePropertiesDialogAndNeverClosesTheWindow)
{
    openWindow(headerEntry("alpha") + kFirst);
    DialogAnswerer answerer(L"Edit properties", [](HWND dialog) {
        SetDlgItemTextW(dialog, MURAX_ID_NAME_FIELD, L"beta");
        pressButton(dialog, MURAX_ID_SAVE);
    });
    press({VK_RETURN});
    EXPECT_TRUE(answerer.found());
    ASSERT_TRUE(IsWindow(window_->handle()));
    EXPECT_EQ(savedBytes(), headerEntry("beta") + kFirst);
}

// Where the dialog opens and how its template is laid out, read from the dialog on the screen.
TEST_F(WindowsMainWindowTest, ThePropertiesDialogOpensCentredOverTheWindowAtTheLooksSizes)
{
    openWindow(headerEntry("alpha"));
    using namespace properties_dialog;
    const struct {
        const char* what;
        int id;
        PixelRect look;
    } controls[] = {
        {"label", MURAX_ID_NAME_LABEL, kLabelRect},
        {"name field", MURAX_ID_NAME_FIELD, kFieldRect},
        {"type label", MURAX_ID_TYPE_LABEL, kTypeLabelRect},
        {"first field", MURAX_ID_FIELD, rowFieldRect(0)},
        {"last field's label", MURAX_ID_FIELD_LABEL + 3, rowLabelRect(3)},
        {"data length", MURAX_ID_DATA_LENGTH, rowFieldRect(kFieldRows - 1)},
        {"Save", MURAX_ID_SAVE, kSaveRect},
        {"Cancel", MURAX_ID_CANCEL, kCancelRect},
    };
    RECT frame{};
    RECT client{};
    std::vector<RECT> places(std::size(controls));
    DialogAnswerer answerer(L"Edit properties", [&](HWND dialog) {
        GetWindowRect(dialog, &frame);
        GetClientRect(dialog, &client);
        for (std::size_t i = 0; i < std::size(controls); ++i) {
            GetWindowRect(GetDlgItem(dialog, controls[i].id), &places[i]);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&places[i]), 2);
        }
        pressButton(dialog, MURAX_ID_CANCEL);
    });
    press({VK_RETURN});
    ASSERT_TRUE(answerer.found());

    const int dpi = screenDpi();
    EXPECT_EQ(client.right, scaledPixels(kSize.width, dpi));
    EXPECT_EQ(client.bottom, scaledPixels(kSize.height, dpi));
    RECT owner{};
    GetWindowRect(window_->handle(), &owner);
    // Centred: as much of the window shows left of it as right, and above as below, to a pixel.
    EXPECT_NEAR(frame.left - owner.left, owner.right - frame.right, 1);
    EXPECT_NEAR(frame.top - owner.top, owner.bottom - frame.bottom, 1);
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const RECT& place = places[i];
        const PixelRect& look = controls[i].look;
        EXPECT_EQ(place.left, scaledPixels(look.x, dpi)) << controls[i].what;
        EXPECT_EQ(place.top, scaledPixels(look.y, dpi)) << controls[i].what;
        EXPECT_EQ(place.right - place.left, scaledPixels(look.width, dpi)) << controls[i].what;
        EXPECT_EQ(place.bottom - place.top, scaledPixels(look.height, dpi)) << controls[i].what;
    }
}

TEST_F(WindowsMainWindowTest, EscapeClosesTheWindow)
{
    openWindow(kFirst);
    press({VK_ESCAPE});
    EXPECT_FALSE(IsWindow(window_->handle()));
}

TEST_F(WindowsMainWindowTest, FilesDroppedFromExplorerGoBeforeTheRowUnderThePointer)
{
    openWindow(kFirst + kSecond);
    const auto dropped = folder_.path() / "more.tap";
    writeBytes(dropped, kThird);
    const std::wstring name = dropped.wstring();
    const std::size_t bytes = sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->pt = rowPoint(1, 3);
    files->fWide = TRUE;
    std::copy(name.begin(), name.end(), reinterpret_cast<wchar_t*>(files + 1));
    GlobalUnlock(memory);
    PostMessageW(list(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    pump();
    EXPECT_EQ(savedBytes(), kFirst + kThird + kSecond);
}

TEST_F(WindowsMainWindowTest, TheContextMenuActsOnTheCurrentRowWithoutMovingTheSelection)
{
    openWindow(kFirst + headerEntry("alpha") + kThird);
    press({VK_DOWN});
    const std::vector<std::string> entries{"Inspect\tF3", "Export...", "Export as sound...", "Play",
                                           "New entry from file..."};

    // A right click on row 1 opens the menu; it acts on row 2, the current one.
    const POINT onFirst = [&] {
        POINT at = rowPoint(0, 3);
        ClientToScreen(list(), &at);
        return at;
    }();
    const auto rightClick = [&](const std::string& choice) {
        MenuAnswerer answerer(choice);
        PostMessageW(window_->handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list()),
                     MAKELPARAM(onFirst.x, onFirst.y));
        pump();
        EXPECT_EQ(answerer.offered(), entries) << choice;
    };
    rightClick("Inspect\tF3");
    ASSERT_NE(window_->entryViewer(), nullptr);
    EXPECT_TRUE(window_->entryViewer()->isShowing());
    EXPECT_EQ(window_->blockList().currentPosition(), 2);
    EXPECT_EQ(window_->blockList().selectedPositions(), std::vector<int>{2});

    const auto exported = folder_.path() / "alpha.bin";
    fake_.saveAnswers.push_back(exported.string());
    rightClick("Export...");
    EXPECT_EQ(readBytes(exported), std::string(4, 'd'));
    // Export as sound acts on the selection, here the current row alone.
    fake_.saveAnswers.push_back((folder_.path() / "alpha").string());
    rightClick("Export as sound...");
    ASSERT_EQ(fake_.choices.size(), 1u);
    EXPECT_EQ(fake_.choices[0].label,
              "The selected 1 entry of 3 (select none for the whole tape), as a WAV file.\nSound "
              "format:");
    EXPECT_EQ(readBytes(folder_.path() / "alpha.wav").substr(0, 4), "RIFF");
    // The menu key: the same menu, at the current row; Esc chooses nothing.
    MenuAnswerer none("");
    PostMessageW(window_->handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list()),
                 MAKELPARAM(-1, -1));
    pump();
    EXPECT_EQ(none.offered(), entries);
    EXPECT_EQ(savedBytes(), kFirst + headerEntry("alpha") + kThird);
}

TEST(WindowsWindowLook, EveryListCharacterAdvancesOneCellInTheListFont)
{
    const int dpi = screenDpi();
    HFONT font = createFontOrSubstitute(main_window::kFont, L"Liberation Mono", dpi);
    ASSERT_NE(font, nullptr);
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    const int cell = scaledPixels(main_window::kCharacterCellWidth, dpi);
    for (const wchar_t c : {L'M', L'i', L'0', L' ', L'W'}) {
        SIZE size{};
        GetTextExtentPoint32W(dc, &c, 1, &size);
        EXPECT_EQ(size.cx, cell) << static_cast<char>(c);
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);

    // Every byte is one character in one cell, those that need two UTF-16 units included.
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const RowText text = rowText(everyByte, cell);
    ASSERT_EQ(text.advances.size(), text.characters.size());
    int advance = 0;
    for (const INT step : text.advances)
        advance += step;
    EXPECT_EQ(advance, 256 * cell);
    EXPECT_EQ(text.characters.substr(0x41, 3), L"ABC");
}

}  // namespace
}  // namespace murax::testing
