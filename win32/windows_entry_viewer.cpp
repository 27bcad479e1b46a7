// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_entry_viewer.h"

#include <algorithm>
#include <cstring>
#include <string>

#include <commctrl.h>

#include "seam/window_look.h"
#include "seam/window_placement.h"
#include "support/platform/wide_text_windows.h"
#include "tape/inspect/hex_dump.h"
#include "win32/procedure_errors.h"
#include "win32/window_painting.h"
#include "win32/window_places.h"

namespace murax {
namespace {

using entry_viewer::kScreenScale;

constexpr wchar_t kViewerClass[] = L"MuraxEntryViewer";
constexpr wchar_t kScreenClass[] = L"MuraxEntryViewerScreen";
constexpr UINT_PTR kKeyWatchId = 0x4D56;
constexpr int kExportId = 101;
constexpr int kExportSoundId = 102;
constexpr int kPlayId = 103;
constexpr int kCloseId = IDCANCEL;

constexpr int kMargin = 8;
constexpr int kButtonWidth = 88;
// Export as sound... takes more room than the other buttons' words.
constexpr int kWideButtonWidth = 120;
constexpr int kButtonHeight = 24;

int lineHeight(HWND control, HFONT font)
{
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

}  // namespace

WindowsEntryViewer::WindowsEntryViewer(HWND owner, std::function<void()> exportEntry,
                                       std::function<void()> exportSound,
                                       std::function<void()> play)
    : owner_(owner),
      exportEntry_(std::move(exportEntry)),
      exportSound_(std::move(exportSound)),
      playRequest_(std::move(play)),
      dpi_(screenDpi())
{
    registerWindowClass(kViewerClass, procedure);
    registerWindowClass(kScreenClass, screenProcedure, false);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    // Its size and place come once its controls are made: bringForward() places it.
    window_ =
        CreateWindowExW(0, kViewerClass, L"", style, 0, 0, 0, 0, owner, nullptr, instance, this);

    textFont_ = createFontOrSubstitute(main_window::kFont, L"Liberation Mono", dpi_);
    messageFont_ = messageFont();
    const auto control = [&](const wchar_t* type, const wchar_t* text, DWORD controlStyle,
                             DWORD extended, int id, HFONT font) {
        HWND made =
            CreateWindowExW(extended, type, text, WS_CHILD | controlStyle, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetWindowSubclass(made, keyWatch, kKeyWatchId, reinterpret_cast<DWORD_PTR>(this));
        return made;
    };
    const DWORD readOnlyText =
        WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
    // The fields and verdicts are sentences: they wrap instead of scrolling sideways.
    details_ = control(WC_EDITW, L"", WS_VISIBLE | readOnlyText, WS_EX_CLIENTEDGE, 0, messageFont_);
    // The pages come before the tab control, so that they lie above it.
    const DWORD unwrapped = readOnlyText | WS_HSCROLL | ES_AUTOHSCROLL;
    basic_ = control(WC_EDITW, L"", unwrapped, WS_EX_CLIENTEDGE, 0, textFont_);
    screen_ = control(kScreenClass, L"", 0, 0, 0, nullptr);
    SetWindowLongPtrW(screen_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    disassembly_ = control(WC_EDITW, L"", unwrapped, WS_EX_CLIENTEDGE, 0, textFont_);
    hex_ = control(WC_EDITW, L"", unwrapped, WS_EX_CLIENTEDGE, 0, textFont_);
    tabs_ =
        control(WC_TABCONTROLW, L"", WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, messageFont_);
    const std::wstring exportText = wideText(kViewerExportButton);
    export_ = control(WC_BUTTONW, exportText.c_str(), WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                      kExportId, messageFont_);
    const std::wstring exportSoundText = wideText(kViewerExportSoundButton);
    sound_ = control(WC_BUTTONW, exportSoundText.c_str(), WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                     0, kExportSoundId, messageFont_);
    const std::wstring playText = wideText(kViewerPlayButton);
    play_ = control(WC_BUTTONW, playText.c_str(), WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                    kPlayId, messageFont_);
    close_ = control(WC_BUTTONW, L"Close", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, kCloseId,
                     messageFont_);
    // Text set from the program is not bound by the limit on what a user types.
    for (HWND text : {details_, basic_, disassembly_, hex_})
        SendMessageW(text, EM_SETLIMITTEXT, 0, 0);
    frameSize_ = frameSizeFor(clientWidth(), scaledPixels(entry_viewer::kHeight, dpi_), style, 0);
}

// Wide enough for the screen at twice its size, and for a whole line of the hex dump, its
// characters' column included, beside the page's scroll bar.
int WindowsEntryViewer::clientWidth() const
{
    const int forScreen =
        scaledPixels(kScreenWidth * kScreenScale + entry_viewer::kWidthBesideScreen, dpi_);
    // The widest line an entry's dump has: a full line at the offsets that an entry of a header
    // and a whole 64 KiB block reaches.
    const std::wstring line = wideText(hexDumpLine(0x10000, std::string(kHexDumpWidth, 'M')));
    HDC dc = GetDC(hex_);
    const HGDIOBJ old = SelectObject(dc, textFont_);
    SIZE text{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &text);
    SelectObject(dc, old);
    ReleaseDC(hex_, dc);
    // What the page takes beside its text (its edges, margins and scroll bar), measured on the
    // page itself at a trial size: the control's own insets differ between systems.
    constexpr int kTrialWidth = 1000;
    MoveWindow(hex_, 0, 0, kTrialWidth, kTrialWidth, FALSE);
    RECT textArea{};
    SendMessageW(hex_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&textArea));
    RECT page{0, 0, text.cx + kTrialWidth - (textArea.right - textArea.left),
              scaledPixels(entry_viewer::kHeight, dpi_)};
    // The tab control around the page, and the margins around the tab control.
    SendMessageW(tabs_, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&page));
    const int forHexDump = page.right - page.left + 2 * scaledPixels(kMargin, dpi_);
    return std::max(forScreen, forHexDump);
}

WindowsEntryViewer::~WindowsEntryViewer()
{
    if (window_ != nullptr && IsWindow(window_))
        DestroyWindow(window_);
    for (HFONT font : {textFont_, messageFont_}) {
        if (font != nullptr)
            DeleteObject(font);
    }
    if (picture_ != nullptr)
        DeleteObject(picture_);
}

bool WindowsEntryViewer::isShowing() const
{
    return window_ != nullptr && IsWindowVisible(window_);
}

void WindowsEntryViewer::putAway()
{
    if (window_ != nullptr)
        ShowWindow(window_, SW_HIDE);
}

void WindowsEntryViewer::bringForward()
{
    if (window_ == nullptr)
        return;
    if (!IsWindowVisible(window_)) {
        const PixelRect owner = screenRectOf(owner_);
        placeWindow(window_, besideWithin(owner, frameSize_.cx, frameSize_.cy, workAreaOf(owner_)));
    }
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    SetFocus(tabs_);
}

void WindowsEntryViewer::showEntry(std::string_view entry)
{
    if (window_ == nullptr)
        return;
    const EntryViewerPage page = entryViewerPage(entry);
    SetWindowTextW(window_, wideText(page.windowTitle).c_str());
    SetWindowTextW(details_, controlText(page.details).c_str());
    detailRows_ = page.detailRows;

    const std::optional<ViewerTab> previous = tabInFront();
    SendMessageW(tabs_, TCM_DELETEALLITEMS, 0, 0);
    shownTabs_ = page.tabs;
    for (std::size_t i = 0; i < shownTabs_.size(); ++i) {
        const ViewerTab tab = shownTabs_[i];
        if (tab == ViewerTab::BasicListing)
            SetWindowTextW(basic_, controlText(page.basicListing).c_str());
        else if (tab == ViewerTab::Screen)
            drawScreen(*page.screen);
        else if (tab == ViewerTab::Disassembly)
            SetWindowTextW(disassembly_, controlText(page.disassembly).c_str());
        else
            SetWindowTextW(hex_, controlText(page.hexDump).c_str());
        std::wstring title = wideText(viewerTabTitle(tab));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    layOut();
    bringToFront(murax::tabInFront(page, previous));
}

std::optional<ViewerTab> WindowsEntryViewer::tabInFront() const
{
    const auto index = SendMessageW(tabs_, TCM_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= shownTabs_.size())
        return std::nullopt;
    return shownTabs_[static_cast<std::size_t>(index)];
}

void WindowsEntryViewer::bringToFront(ViewerTab tab)
{
    const auto place = std::find(shownTabs_.begin(), shownTabs_.end(), tab);
    if (place == shownTabs_.end())
        return;
    SendMessageW(tabs_, TCM_SETCURSEL, place - shownTabs_.begin(), 0);
    for (const ViewerTab each : kViewerTabs)
        ShowWindow(pageOf(each), each == tab ? SW_SHOW : SW_HIDE);
}

HWND WindowsEntryViewer::pageOf(ViewerTab tab) const
{
    switch (tab) {
    case ViewerTab::BasicListing:
        return basic_;
    case ViewerTab::Screen:
        return screen_;
    case ViewerTab::Disassembly:
        return disassembly_;
    case ViewerTab::HexDump:
        return hex_;
    }
    return hex_;
}

void WindowsEntryViewer::drawScreen(const ScreenPicture& picture)
{
    constexpr int width = kScreenWidth * kScreenScale;
    constexpr int height = kScreenHeight * kScreenScale;
    if (picture_ == nullptr) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down, as the picture's rows are
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        picture_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (picture_ == nullptr)
            return;
    }
    DIBSECTION section{};
    GetObjectW(picture_, sizeof section, &section);
    auto* pixels = static_cast<std::uint32_t*>(section.dsBm.bmBits);
    // Each pixel of the screen a square of kScreenScale pixels; a DIB's 32-bit pixel is 0x00RRGGBB.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = picture.pixel(x / kScreenScale, y / kScreenScale);
    GdiFlush();
    InvalidateRect(screen_, nullptr, TRUE);
}

void WindowsEntryViewer::paintScreen()
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(screen_, &paint);
    RECT client{};
    GetClientRect(screen_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (picture_ != nullptr) {
        const int width = scaledPixels(kScreenWidth * kScreenScale, dpi_);
        const int height = scaledPixels(kScreenHeight * kScreenScale, dpi_);
        HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(source, picture_);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, (client.right - width) / 2, (client.bottom - height) / 2, width, height,
                   source, 0, 0, kScreenWidth * kScreenScale, kScreenHeight * kScreenScale,
                   SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    EndPaint(screen_, &paint);
}

void WindowsEntryViewer::layOut()
{
    RECT client{};
    GetClientRect(window_, &client);
    const int margin = scaledPixels(kMargin, dpi_);
    const int buttonWidth = scaledPixels(kButtonWidth, dpi_);
    const int wideButtonWidth = scaledPixels(kWideButtonWidth, dpi_);
    const int buttonHeight = scaledPixels(kButtonHeight, dpi_);
    const int width = std::max(0, static_cast<int>(client.right) - 2 * margin);
    // The details keep their rows in sight; the tabs take what is left.
    const int edges = 2 * GetSystemMetrics(SM_CYEDGE) + 4;
    const int detailsHeight = detailRows_ * lineHeight(details_, messageFont_) + edges;
    MoveWindow(details_, margin, margin, width, detailsHeight, TRUE);
    const int buttonsTop = client.bottom - margin - buttonHeight;
    MoveWindow(close_, client.right - margin - buttonWidth, buttonsTop, buttonWidth, buttonHeight,
               TRUE);
    const int playLeft = client.right - 2 * margin - 2 * buttonWidth;
    MoveWindow(play_, playLeft, buttonsTop, buttonWidth, buttonHeight, TRUE);
    const int soundLeft = playLeft - margin - wideButtonWidth;
    MoveWindow(sound_, soundLeft, buttonsTop, wideButtonWidth, buttonHeight, TRUE);
    MoveWindow(export_, soundLeft - margin - buttonWidth, buttonsTop, buttonWidth, buttonHeight,
               TRUE);
    const int tabsTop = 2 * margin + detailsHeight;
    RECT page{margin, tabsTop, margin + width, std::max<LONG>(tabsTop, buttonsTop - margin)};
    MoveWindow(tabs_, page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    for (HWND each : {basic_, screen_, disassembly_, hex_})
        SetWindowPos(each, HWND_TOP, page.left, page.top, page.right - page.left,
                     page.bottom - page.top, SWP_NOACTIVATE);
}

LRESULT CALLBACK WindowsEntryViewer::procedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<WindowsEntryViewer*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WindowsEntryViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const std::optional<LRESULT> handled = handledReportingErrors(
        [&] { return self->handle(message, wParam, lParam); }, std::optional<LRESULT>(0));
    return handled ? *handled : DefWindowProcW(window, message, wParam, lParam);
}

std::optional<LRESULT> WindowsEntryViewer::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kExportId && HIWORD(wParam) == BN_CLICKED)
            exportEntry_();
        else if (LOWORD(wParam) == kExportSoundId && HIWORD(wParam) == BN_CLICKED)
            exportSound_();
        else if (LOWORD(wParam) == kPlayId && HIWORD(wParam) == BN_CLICKED)
            playRequest_();
        else if (LOWORD(wParam) == kCloseId)
            putAway();
        return 0;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
            if (const std::optional<ViewerTab> tab = tabInFront())
                bringToFront(*tab);
        }
        return 0;
    }
    case WM_SIZE:
        // Sent while the window is made, before its controls are.
        if (tabs_ != nullptr)
            layOut();
        return 0;
    case WM_KEYDOWN:
        if (keyDown(window_, wParam))
            return 0;
        return std::nullopt;
    case WM_CLOSE:
        // The viewer is only put away: it comes back on the next entry shown.
        putAway();
        return 0;
    default:
        return std::nullopt;
    }
}

LRESULT CALLBACK WindowsEntryViewer::screenProcedure(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam)
{
    auto* self = reinterpret_cast<WindowsEntryViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_PAINT && self != nullptr) {
        handledReportingErrors(
            [&] {
                self->paintScreen();
                return 0;
            },
            0);
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;  // painted whole in WM_PAINT
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK WindowsEntryViewer::keyWatch(HWND control, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto& viewer = *reinterpret_cast<WindowsEntryViewer*>(self);
    if (message == WM_KEYDOWN && viewer.keyDown(control, wParam))
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, keyWatch, kKeyWatchId);
    return DefSubclassProc(control, message, wParam, lParam);
}

// Keys no control of the viewer keeps: Esc puts it away, Tab moves between its controls. No
// dialog manager handles them, since the viewer lives beside the main window's modal loop.
bool WindowsEntryViewer::keyDown(HWND control, WPARAM key)
{
    if (key == VK_ESCAPE) {
        putAway();
        return true;
    }
    if (key == VK_TAB) {
        const bool back = GetKeyState(VK_SHIFT) < 0;
        if (HWND next = GetNextDlgTabItem(window_, control == window_ ? nullptr : control, back))
            SetFocus(next);
        return true;
    }
    return false;
}

}  // namespace murax
