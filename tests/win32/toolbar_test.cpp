// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "seam/window_look.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/win32/helpers/menu_answerer.h"
#include "tests/win32/helpers/screen_capture.h"
#include "tests/win32/helpers/thread_windows.h"
#include "tests/win32/helpers/windows_window_fixture.h"
#include "win32/window_painting.h"

namespace murax::testing {
namespace {

using namespace toolbar;

class WindowsToolbarTest : public WindowsWindowFixture {
protected:
    // Pixels of the look at the screen's resolution.
    static int px(int pixels) { return scaledPixels(pixels, screenDpi()); }

    HWND bar() { return window_->toolbar(); }

    // Rests the pointer on `at`, in `window`'s client coordinates, as the mouse does: the pointer
    // goes there, and the window hears of the move.
    void pointAt(HWND window, POINT at)
    {
        POINT screen = at;
        ClientToScreen(window, &screen);
        SetCursorPos(screen.x, screen.y);
        PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        pump();
    }

    // The pointer on `button`, once the bar has taken it as the button under the pointer.
    void pointAtButton(ToolbarButton button)
    {
        const int id = WindowsToolbar::idOfButton(button);
        RECT place{};
        SendMessageW(bar(), TB_GETRECT, id, reinterpret_cast<LPARAM>(&place));
        pointAt(bar(), {(place.left + place.right) / 2, (place.top + place.bottom) / 2});
        const auto index = SendMessageW(bar(), TB_COMMANDTOINDEX, id, 0);
        EXPECT_TRUE(waitUntil([&] {
            pump();
            return SendMessageW(bar(), TB_GETHOTITEM, 0, 0) == index;
        }));
    }

    // Off the bar, over the list, once the bar has noticed (the system tells it of the pointer's
    // leaving only at its next look at the pointer).
    void pointAway()
    {
        pointAt(list(), {40, 40});
        EXPECT_TRUE(waitUntil([&] {
            pump();
            return SendMessageW(bar(), TB_GETHOTITEM, 0, 0) < 0;
        }));
    }
};

// The cells, their gaps, the bar's colours and the line under it, as the screen shows them: each
// button is found by the hover fill it takes under the pointer.
TEST_F(WindowsToolbarTest, TheScreenShowsTheCellsGapsAndColoursOfTheLook)
{
    openWindow(lone(1));
    pointAway();
    {
        const ScreenCapture resting(window_->handle());
        // Above the pictures, nothing but the background right across; under the cells, the line.
        for (int x = 0; x < resting.width(); ++x) {
            for (int y = 0; y < px(kBitmapTop); ++y)
                ASSERT_EQ(resting.at(x, y), kBackground) << x << "," << y;
            ASSERT_EQ(resting.at(x, px(kCellHeight)), kBorder) << x;
        }
    }
    int left = 0;
    bool first = true;
    for (const ToolbarButtonLook& look : toolbarButtonLooks()) {
        SCOPED_TRACE(look.toolTip);
        if (look.startsGroup && !first)
            left += px(kGroupGap);
        first = false;
        pointAtButton(look.button);
        const ScreenCapture shot(window_->handle());
        // The hovered cell: the run of pixels on the top row that are not the background.
        int found = -1;
        int right = -1;
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.at(x, 0) == kBackground)
                continue;
            found = found < 0 ? x : found;
            right = x;
        }
        const bool hasMenu = directCommandOf(look.button) == nullptr;
        const int width = px(kCellWidth) + (hasMenu ? px(kDropDownWidth) : 0);
        EXPECT_EQ(found, left);
        EXPECT_EQ(right - found + 1, width);
        EXPECT_EQ(shot.at(left, 0), kHoverFill);
        EXPECT_EQ(shot.at(left, px(kCellHeight) - 1), kHoverFill);
        EXPECT_EQ(shot.at(left, px(kCellHeight)), kBorder);
        if (hasMenu) {
            EXPECT_EQ(shot.at(left + px(kCellWidth), 0), kDivider);
            EXPECT_EQ(shot.at(left + px(kCellWidth) + 1, 0), kDividerLight);
            EXPECT_EQ(shot.at(left + width - 1, 0), kDivider);
            EXPECT_EQ(shot.at(left + width - px(kArrowInsetFromRight), px(kCellHeight) / 2),
                      kArrow);
        }
        // The gap before a group holds no separator's line, on any row of the cells.
        if (look.startsGroup && left > 0) {
            for (int x = left - px(kGroupGap); x < left; ++x)
                for (int y = 0; y < px(kCellHeight); ++y)
                    ASSERT_EQ(shot.at(x, y), kBackground) << x << "," << y;
        }
        left += width;
    }
    // Away from the bar, no button keeps the fill.
    pointAway();
    const ScreenCapture after(window_->handle());
    for (int x = 0; x < after.width(); ++x)
        ASSERT_EQ(after.at(x, 0), kBackground) << x;
}

// The tooltip that shows while the pointer rests on each button, read from the tooltip window.
TEST_F(WindowsToolbarTest, EachButtonShowsItsTooltipWhileThePointerRestsOnIt)
{
    openWindow(lone(1));
    HWND tip = reinterpret_cast<HWND>(SendMessageW(bar(), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tip, nullptr);
    for (const ToolbarButtonLook& look : toolbarButtonLooks()) {
        pointAway();
        pointAtButton(look.button);
        const std::wstring expected = wideText(look.toolTip);
        std::wstring shown;
        waitUntil(
            [&] {
                pump();
                shown = IsWindowVisible(tip) ? windowText(tip) : L"";
                return shown == expected;
            },
            std::chrono::seconds(5));
        EXPECT_EQ(utf8Text(shown), look.toolTip);
    }
}

TEST_F(WindowsToolbarTest, ThePicturesClearPartsShowTheButtonsBackground)
{
    openWindow(lone(1));
    auto* images =
        reinterpret_cast<HIMAGELIST>(SendMessageW(window_->toolbar(), TB_GETIMAGELIST, 0, 0));
    ASSERT_NE(images, nullptr);
    ASSERT_EQ(ImageList_GetImageCount(images), 8);

    // Each picture drawn on a background of a colour of its own, read back where the picture is
    // clear (its corner) and where it is not.
    constexpr std::uint32_t kBackground = 0x123456;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader,
                      toolbar::kBitmapWidth,
                      -toolbar::kBitmapHeight,
                      1,
                      32,
                      BI_RGB,
                      0,
                      0,
                      0,
                      0,
                      0};
    void* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(canvas, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, canvas);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const int count = toolbar::kBitmapWidth * toolbar::kBitmapHeight;
    for (int image = 0; image < 8; ++image) {
        std::fill(pixels, pixels + count, kBackground);
        ImageList_Draw(images, image, dc, 0, 0, ILD_NORMAL);
        GdiFlush();
        EXPECT_EQ(pixels[0] & 0xFFFFFF, kBackground) << "picture " << image;
        EXPECT_EQ(pixels[count - 1] & 0xFFFFFF, kBackground) << "picture " << image;
        EXPECT_GT(std::count_if(pixels, pixels + count,
                                [](std::uint32_t p) { return (p & 0xFFFFFF) != kBackground; }),
                  count / 10)
            << "picture " << image << " drew nothing";
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(canvas);
}

TEST_F(WindowsToolbarTest, ADropDownMenuOffersItsButtonsEntriesAndRunsTheOneChosen)
{
    const std::string first = lone(1);
    const std::string second = lone(2);
    const std::string added = lone(3);
    struct Case {
        ToolbarButton button;
        const char* choice;
        std::vector<std::string> offered;
        std::string saved;
    };
    const std::vector<std::string> addMenu{"Add...", "Insert...", "New entry from file..."};
    const Case cases[] = {
        {ToolbarButton::Add, "Add...", addMenu, first + second + added},
        {ToolbarButton::Add, "Insert...", addMenu, added + first + second},
        {ToolbarButton::Add, "", addMenu, first + second},
    };
    const auto more = folder_.path() / "more.tap";
    writeBytes(more, added);
    for (const Case& c : cases) {
        openWindow(first + second);
        fake_.openAnswers = {more.string()};
        fake_.events.clear();
        MenuAnswerer answerer(c.choice);
        clickToolbar(c.button);
        EXPECT_EQ(answerer.offered(), c.offered) << c.choice;
        EXPECT_EQ(savedBytes(), c.saved) << c.choice;
        window_.reset();
    }
}

}  // namespace
}  // namespace murax::testing
