// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/window_places.h"

namespace murax {
namespace {

PixelRect pixelRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

PixelRect screenRectOf(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return pixelRect(frame);
}

PixelRect workAreaOf(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return pixelRect(monitor.rcWork);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return pixelRect(work);
}

SIZE frameSizeFor(int width, int height, DWORD style, DWORD extendedStyle)
{
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void placeWindow(HWND window, const PixelRect& place)
{
    SetWindowPos(window, nullptr, place.x, place.y, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace murax
