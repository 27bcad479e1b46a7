// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "seam/window_look.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/winapp/helpers/menu_answerer.h"
#include "tests/winapp/helpers/windows_window_fixture.h"

namespace murax::testing {
namespace {

class WindowsToolbarTest : public WindowsWindowFixture {};

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
    const Case cases[] = {
        {ToolbarButton::Add, "Add...", {"Add...", "Insert..."}, first + second + added},
        {ToolbarButton::Add, "Insert...", {"Add...", "Insert..."}, added + first + second},
        {ToolbarButton::Add, "", {"Add...", "Insert..."}, first + second},
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
