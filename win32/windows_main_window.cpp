// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

#include "seam/window_look.h"
#include "seam/window_placement.h"
#include "support/platform/wide_text_windows.h"
#include "win32/new_entry_dialog.h"
#include "win32/procedure_errors.h"
#include "win32/progress_bar_window.h"
#include "win32/properties_dialog.h"
#include "win32/resource_ids.h"
#include "win32/window_painting.h"
#include "win32/window_places.h"
#include "win32/windows_window.h"

namespace murax {
namespace {

// Posted to itself: a call waits for the paint to return.
constexpr UINT kAfterPaint = WM_APP + 1;

}  // namespace

WindowsMainWindow::WindowsMainWindow(AppContext& app, BlockList& list)
    : app_(app), blocks_(list), events_(*this, list)
{}

WindowsMainWindow::~WindowsMainWindow()
{
    if (window_ != nullptr && IsWindow(window_))
        DestroyWindow(window_);
    for (HFONT font : {windowFont_, listFont_, statusFont_}) {
        if (font != nullptr)
            DeleteObject(font);
    }
}

void WindowsMainWindow::runModal()
{
    modal_ = true;
    DialogBoxParamW(GetModuleHandleW(nullptr), L"MURAX", nullptr, procedure,
                    reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
}

HWND WindowsMainWindow::open()
{
    modal_ = false;
    CreateDialogParamW(GetModuleHandleW(nullptr), L"MURAX", nullptr, procedure,
                       reinterpret_cast<LPARAM>(this));
    if (window_ != nullptr)
        ShowWindow(window_, SW_SHOW);
    return window_;
}

INT_PTR CALLBACK WindowsMainWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam)
{
    if (message == WM_MEASUREITEM) {
        // Sent while the template is made, before the window knows its object.
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
            scaledPixels(main_window::kRowHeight, screenDpi());
        return TRUE;
    }
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<WindowsMainWindow*>(lParam);
        return handledReportingErrors(
            [&] {
                self->initialise(window);
                return INT_PTR{FALSE};
            },
            INT_PTR{FALSE});
    }
    auto* self = reinterpret_cast<WindowsMainWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr || self->window_ != window)
        return FALSE;
    return handledReportingErrors([&] { return self->handle(message, wParam, lParam); },
                                  INT_PTR{FALSE});
}

void WindowsMainWindow::initialise(HWND window)
{
    window_ = window;
    dpi_ = screenDpi();
    SetWindowTextW(window_, wideText(kWindowTitle).c_str());
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"ICONA");
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    windowFont_ = createFontOrSubstitute(main_window::kFont, L"Liberation Mono", dpi_);
    listFont_ = createFontOrSubstitute(main_window::kFont, L"Liberation Mono", dpi_);
    statusFont_ = createFontOrSubstitute(status_bar::kFont, L"Liberation Sans", dpi_);

    HWND box = GetDlgItem(window_, MURAX_ID_BLOCK_LIST);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), FALSE);
    list_ = std::make_unique<WindowsListBox>(box);
    // An emptied tape leaves the viewer nothing to show.
    list_->setReloadHandler([this] { events_.listReloaded(); });
    list_->setKeyHandler([this](const KeyPress& key) { return events_.keyPressed(key); });
    list_->setDropHandlers([this](int before) { events_.rowsDragged(before); },
                           [this](const std::vector<std::string>& files, int before) {
                               events_.filesDropped(files, before);
                           });
    list_->reload(blocks_.lines());

    toolbar_ = std::make_unique<WindowsToolbar>(
        window_, scaledPixels(main_window::kClientWidth, dpi_), dpi_);
    layOut();
    events_.opened();
    SetFocus(box);
}

void WindowsMainWindow::layOut()
{
    using namespace main_window;
    // The template's units follow whatever font stands in for its own; the look's sizes do not.
    const SIZE frame =
        frameSizeFor(scaledPixels(kClientWidth, dpi_), scaledPixels(kClientHeight, dpi_),
                     static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                     static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    const PixelRect work = workAreaOf(window_);
    placeWindow(window_, centredOver(work, frame.cx, frame.cy, work));
    SetWindowPos(list_->handle(), nullptr, scaledPixels(kListRect.x, dpi_),
                 scaledPixels(kListRect.y, dpi_), scaledPixels(kListRect.width, dpi_),
                 scaledPixels(kListRect.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR WindowsMainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const auto& lines = blocks_.lines();
        const bool row = item.itemID != static_cast<UINT>(-1) && item.itemID < lines.size();
        paintListRow(item, row ? lines[item.itemID].view() : std::string_view(),
                     row && list_->isCurrentIndex(static_cast<int>(item.itemID)), dpi_);
        return TRUE;
    }
    case WM_PAINT:
        paint();
        return TRUE;
    case kAfterPaint:
        if (const auto call = std::exchange(afterPaint_, nullptr))
            call();
        return TRUE;
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (toolbar_ && header.hwndFrom == toolbar_->handle() && header.code == NM_CUSTOMDRAW) {
            SetWindowLongPtrW(
                window_, DWLP_MSGRESULT,
                toolbar_->customDraw(*reinterpret_cast<const NMTBCUSTOMDRAW*>(lParam)));
            return TRUE;
        }
        if (toolbar_ && header.hwndFrom == toolbar_->handle() && header.code == TBN_DROPDOWN) {
            const auto& note = *reinterpret_cast<const NMTOOLBARW*>(lParam);
            toolbarClicked(WindowsToolbar::buttonOfId(note.iItem));
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, TBDDRET_DEFAULT);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == list_->handle())
            contextMenu(lParam);
        return TRUE;
    case WM_CLOSE:
        close();
        return TRUE;
    case WM_DESTROY:
        events_.windowHidden();
        // Its sound does not outlive it either.
        if (playWindow_ != nullptr)
            playWindow_->stop();
        return FALSE;
    default:
        return FALSE;
    }
}

void WindowsMainWindow::command(int id, int notification)
{
    if (id == MURAX_ID_BLOCK_LIST) {
        if (notification == LBN_DBLCLK)
            events_.rowDoubleClicked();
        else if (notification == LBN_SELCHANGE)
            events_.currentRowChanged();
        return;
    }
    if (id == IDCANCEL) {
        close();
        return;
    }
    // Enter (IDOK from the dialog manager) never closes the window.
    const ToolbarButton button = WindowsToolbar::buttonOfId(id);
    if (button != ToolbarButton::None)
        toolbarClicked(button);
}

void WindowsMainWindow::toolbarClicked(ToolbarButton button)
{
    events_.toolbarClicked(button, [this, button] {
        return toolbar_->chooseFromMenu(button, toolbarMenuEntries(button));
    });
}

void WindowsMainWindow::contextMenu(LPARAM screenPoint)
{
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (at.x == -1 && at.y == -1) {
        // The menu key.
        RECT client{};
        GetClientRect(list_->handle(), &client);
        const ListPoint place =
            menuKeyPlace(list_->rowGeometry(), client.right, list_->currentPosition());
        at = {place.x, place.y};
        ClientToScreen(list_->handle(), &at);
    }
    events_.contextMenuRequested(
        [this, at] { return chooseFromPopupMenu(window_, at, contextMenuEntries()); });
}

void WindowsMainWindow::close()
{
    if (!events_.mayClose())
        return;
    if (modal_)
        EndDialog(window_, IDCANCEL);
    else
        DestroyWindow(window_);
}

void WindowsMainWindow::paint()
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    RECT client{};
    GetClientRect(window_, &client);
    paintTitleBand(dc, windowFont_, client.right, dpi_);
    paintStatusBar(dc, statusFont_, statusBarRect(), statusText_, dpi_);
    EndPaint(window_, &paint);
    events_.painted([this](std::function<void()> call) {
        afterPaint_ = std::move(call);
        PostMessageW(window_, kAfterPaint, 0, 0);
    });
}

RECT WindowsMainWindow::statusBarRect() const
{
    const PixelRect bar = main_window::kStatusBarRect;
    RECT client{};
    GetClientRect(window_, &client);
    return {0, scaledPixels(bar.y, dpi_), client.right, scaledPixels(bar.y + bar.height, dpi_)};
}

void WindowsMainWindow::setTitle(const std::string& title)
{
    SetWindowTextW(window_, wideText(title).c_str());
}

void WindowsMainWindow::repaintWithoutErasing()
{
    InvalidateRect(window_, nullptr, FALSE);
    InvalidateRect(list_->handle(), nullptr, FALSE);
}

void WindowsMainWindow::setStatusText(const std::string& text)
{
    if (text == statusText_)
        return;
    statusText_ = text;
    const RECT bar = statusBarRect();
    InvalidateRect(window_, &bar, FALSE);
}

std::optional<PropertiesForm> WindowsMainWindow::editProperties(const PropertiesForm& form)
{
    return askForProperties(window_, app_.desktop(), form);
}

std::optional<NewEntryForm> WindowsMainWindow::askNewEntry(const NewEntryForm& form)
{
    return askForNewEntry(window_, app_.desktop(), form);
}

std::unique_ptr<ProgressBar> WindowsMainWindow::openProgressBar(const std::string& title,
                                                                const std::string& text)
{
    return std::make_unique<ProgressBarWindow>(window_, title, text);
}

void WindowsMainWindow::showEntryViewer()
{
    if (viewer_ == nullptr)
        viewer_ = std::make_unique<WindowsEntryViewer>(
            window_, [this] { events_.exportRequested(); },
            [this] { events_.exportSoundRequested(); }, [this] { events_.playRequested(); });
    viewer_->bringForward();
    events_.viewerShown(*viewer_);
}

void WindowsMainWindow::showPlayWindow(std::unique_ptr<PlayingSound> playing)
{
    if (playWindow_ == nullptr)
        playWindow_ = std::make_unique<WindowsPlayWindow>(window_);
    playWindow_->play(std::move(playing));
}

void runWindowsWindow(AppContext& app, BlockList& list)
{
    WindowsMainWindow window(app, list);
    window.runModal();
}

}  // namespace murax
