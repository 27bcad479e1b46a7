// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include <windows.h>

#include "seam/window_look.h"

namespace murax {

inline void PrintTo(const Rgb& colour, std::ostream* out)
{
    *out << "RGB(" << colour.red << ", " << colour.green << ", " << colour.blue << ")";
}

inline void PrintTo(const PixelRect& rect, std::ostream* out)
{
    *out << rect.width << "x" << rect.height << " at " << rect.x << "," << rect.y;
}

}  // namespace murax

namespace murax::testing {

// What the screen shows of a window's client area, read back from the screen itself after the
// window has painted: every child window and anything lying over it included, as a user sees it.
class ScreenCapture {
public:
    explicit ScreenCapture(HWND window)
    {
        UpdateWindow(window);
        GdiFlush();
        RECT client{};
        GetClientRect(window, &client);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        HBITMAP canvas = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC dc = CreateCompatibleDC(screen);
        const HGDIOBJ old = SelectObject(dc, canvas);
        BitBlt(dc, 0, 0, width_, height_, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(pixels, pixels + static_cast<std::size_t>(width_) * height_);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(canvas);
        ReleaseDC(nullptr, screen);
    }

    int width() const { return width_; }
    int height() const { return height_; }

    // The colour at (x, y) of the client area; black outside it.
    Rgb at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return kBlack;
        const std::uint32_t pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
        return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                static_cast<int>(pixel & 0xFF)};
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace murax::testing
