// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_list_box.h"

#include <algorithm>

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "support/platform/wide_text_windows.h"
#include "win32/procedure_errors.h"

namespace murax {
namespace {

constexpr UINT_PTR kWatchId = 0x4D4C;  // this class's subclass of the box
// Posted to the box itself: files dropped on it wait to be read.
constexpr UINT kReadDroppedFiles = WM_APP + 1;

bool isDown(int key)
{
    return GetKeyState(key) < 0;
}

// The keys with which a list box moves its focus row by itself.
bool movesFocus(WPARAM key)
{
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_SPACE:
        return true;
    default:
        return false;
    }
}

// Ctrl+A, which selects every row as in the list of the other face: the box has no key for it.
bool selectsAll(UINT message, WPARAM key)
{
    return message == WM_KEYDOWN && key == 'A' && isDown(VK_CONTROL) && !isDown(VK_SHIFT) &&
           !isDown(VK_MENU);
}

}  // namespace

WindowsListBox::WindowsListBox(HWND box) : box_(box)
{
    SetWindowSubclass(box_, watch, kWatchId, reinterpret_cast<DWORD_PTR>(this));
    DragAcceptFiles(box_, TRUE);
}

WindowsListBox::~WindowsListBox()
{
    if (IsWindow(box_))
        RemoveWindowSubclass(box_, watch, kWatchId);
}

void WindowsListBox::setDropHandlers(RowsDropped rowsDropped, FilesDropped filesDropped)
{
    rowsDropped_ = std::move(rowsDropped);
    filesDropped_ = std::move(filesDropped);
}

LRESULT CALLBACK WindowsListBox::watch(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self)
{
    auto& listBox = *reinterpret_cast<WindowsListBox*>(self);
    const std::optional<LRESULT> handled = handledReportingErrors(
        [&] { return listBox.handle(message, wParam, lParam); }, std::optional<LRESULT>(0));
    if (handled)
        return *handled;
    const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
    // The box has moved its focus row on its own: from now on the list has a current row.
    const bool moved = message == WM_LBUTTONDOWN || message == WM_CHAR ||
                       (message == WM_KEYDOWN && movesFocus(wParam));
    if (moved && listBox.count() > 0)
        listBox.hasCurrent_ = true;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, watch, kWatchId);
    return result;
}

std::optional<LRESULT> WindowsListBox::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter is the list's: the dialog manager would otherwise take it as the default button
        // and close the window.
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        const LRESULT code = DefSubclassProc(box_, message, wParam, lParam);
        if (pending != nullptr && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN)
            return code | DLGC_WANTALLKEYS;
        return code;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return keyDown(message, wParam) ? std::optional<LRESULT>(0) : std::nullopt;
    case WM_LBUTTONDOWN:
        return press(wParam, lParam) ? std::optional<LRESULT>(0) : std::nullopt;
    case WM_MOUSEMOVE:
        if (!rowDrag_.held())
            return std::nullopt;
        dragTo(lParam);
        return 0;
    case WM_LBUTTONUP:
        if (!rowDrag_.held())
            return std::nullopt;
        release();
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != box_ && rowDrag_.cancel())
            InvalidateRect(box_, nullptr, FALSE);
        return std::nullopt;
    case WM_DROPFILES:
        filesDropped(reinterpret_cast<HDROP>(wParam));
        return 0;
    case kReadDroppedFiles:
        if (const std::optional<FileDrops::Drop> drop = fileDrops_.takeOldest();
            drop && filesDropped_)
            filesDropped_(drop->files, drop->beforePosition);
        return 0;
    case WM_PAINT: {
        const LRESULT result = DefSubclassProc(box_, message, wParam, lParam);
        paintDropLine();
        return result;
    }
    default:
        return std::nullopt;
    }
}

bool WindowsListBox::keyDown(UINT message, WPARAM key)
{
    const KeyPress press{static_cast<int>(key), isDown(VK_CONTROL), isDown(VK_SHIFT)};
    const bool consumed = keyPressed_ && keyPressed_(press);
    const bool selectingAll = !consumed && selectsAll(message, key);
    if (selectingAll)
        selectAll();
    if (consumed || selectingAll) {
        // Nor is the character the key would type the box's: it would give the list a current
        // row, or search for the letter.
        MSG typed;
        PeekMessageW(&typed, box_, WM_CHAR, WM_CHAR, PM_REMOVE);
    }
    return consumed || selectingAll || key == VK_RETURN;
}

bool WindowsListBox::press(WPARAM flags, LPARAM point)
{
    const ListPoint at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const int row = rowGeometry().rowAt(at.y);
    const bool selected = row >= 0 && SendMessageW(box_, LB_GETSEL, row, 0) > 0;
    if (!rowDrag_.press({at, row, selected, (flags & MK_CONTROL) != 0, (flags & MK_SHIFT) != 0},
                        {GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)}))
        return false;
    SetFocus(box_);
    SetCapture(box_);
    return true;
}

void WindowsListBox::dragTo(LPARAM point)
{
    const ListPoint at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    if (rowDrag_.moving()) {
        // Past the box's top or bottom edge the list scrolls a row at a time.
        RECT client{};
        GetClientRect(box_, &client);
        const auto top = static_cast<int>(SendMessageW(box_, LB_GETTOPINDEX, 0, 0));
        if (at.y < 0 && top > 0)
            SendMessageW(box_, LB_SETTOPINDEX, top - 1, 0);
        else if (at.y >= client.bottom)
            SendMessageW(box_, LB_SETTOPINDEX, top + 1, 0);
    }
    if (rowDrag_.move(at, rowGeometry()))
        InvalidateRect(box_, nullptr, FALSE);
}

void WindowsListBox::release()
{
    const bool lineShown = rowDrag_.dropLine() != 0;
    // Ended before the capture goes, which would otherwise cancel it.
    const RowDrag::Release release = rowDrag_.release();
    ReleaseCapture();
    if (lineShown)
        InvalidateRect(box_, nullptr, FALSE);
    if (release.kind == RowDrag::Release::Kind::SelectAlone) {
        SendMessageW(box_, LB_SETSEL, FALSE, -1);
        select(release.position);
        // Told as the box tells a click.
        SendMessageW(GetParent(box_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box_), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(box_));
    } else if (release.kind == RowDrag::Release::Kind::Drop && rowsDropped_) {
        rowsDropped_(release.position);
    }
}

void WindowsListBox::filesDropped(HDROP drop)
{
    POINT at{};
    DragQueryPoint(drop, &at);
    const UINT files = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> names;
    for (UINT i = 0; i < files; ++i) {
        std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
        DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
        names.push_back(utf8Text(name));
    }
    DragFinish(drop);
    fileDrops_.dropped(std::move(names), at.y, rowGeometry());
    PostMessageW(box_, kReadDroppedFiles, 0, 0);
}

void WindowsListBox::paintDropLine()
{
    const int place = rowDrag_.dropLine();
    if (place < 1 || count() == 0)
        return;
    HDC dc = GetDC(box_);
    RECT client{};
    GetClientRect(box_, &client);
    const int y = rowGeometry().dropLineY(place);
    const RECT line{0, y - 1, client.right, y + 1};
    FillRect(dc, &line, GetSysColorBrush(COLOR_WINDOWTEXT));
    ReleaseDC(box_, dc);
}

RowGeometry WindowsListBox::rowGeometry() const
{
    RECT client{};
    GetClientRect(box_, &client);
    const int rowHeight = std::max(static_cast<int>(SendMessageW(box_, LB_GETITEMHEIGHT, 0, 0)), 1);
    const auto top = static_cast<int>(SendMessageW(box_, LB_GETTOPINDEX, 0, 0));
    return {count(), rowHeight, -top * rowHeight, static_cast<int>(client.bottom)};
}

int WindowsListBox::currentPosition() const
{
    if (!hasCurrent_)
        return 0;
    const auto caret = static_cast<int>(SendMessageW(box_, LB_GETCARETINDEX, 0, 0));
    return caret >= 0 && caret < count() ? caret + 1 : 0;
}

int WindowsListBox::count() const
{
    const auto rows = static_cast<int>(SendMessageW(box_, LB_GETCOUNT, 0, 0));
    return rows < 0 ? 0 : rows;
}

std::vector<int> WindowsListBox::selectedPositions() const
{
    const auto selected = static_cast<int>(SendMessageW(box_, LB_GETSELCOUNT, 0, 0));
    if (selected <= 0)
        return {};
    std::vector<int> positions(static_cast<std::size_t>(selected));
    const auto got = static_cast<int>(SendMessageW(box_, LB_GETSELITEMS, positions.size(),
                                                   reinterpret_cast<LPARAM>(positions.data())));
    positions.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    for (int& position : positions)
        ++position;  // the box hands them out ascending, from 0
    return positions;
}

void WindowsListBox::reload(const DisplayLines& lines)
{
    // Emptying the box first clears its selection whatever the new count: setting the count
    // alone keeps the rows' selection where the count does not change.
    SendMessageW(box_, LB_RESETCONTENT, 0, 0);
    SendMessageW(box_, LB_SETCOUNT, lines.size(), 0);
    hasCurrent_ = false;
    // A press held on rows that have gone is let go of.
    if (rowDrag_.held()) {
        rowDrag_.cancel();
        if (GetCapture() == box_)
            ReleaseCapture();
    }
    if (redraws_)
        InvalidateRect(box_, nullptr, TRUE);
    if (reloaded_)
        reloaded_();
}

void WindowsListBox::select(int position)
{
    if (position < 1 || position > count())
        return;
    SendMessageW(box_, LB_SETSEL, TRUE, position - 1);
    SendMessageW(box_, LB_SETANCHORINDEX, position - 1, 0);
    setCurrentIndex(position - 1);
}

void WindowsListBox::selectRows(const std::vector<int>& positions, int current)
{
    const int rows = count();
    // Straight to the list box's own procedure, past the watchers of its clicks and keys: under
    // Wine every message through a subclass costs a look-up in the server, which made half a
    // million runs take a minute instead of a fraction of a second.
    const auto procedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(box_, GCLP_WNDPROC));
    // Each run of neighbouring rows is one request, however long.
    std::size_t i = 0;
    while (i < positions.size()) {
        const int first = positions[i];
        if (first < 1 || first > rows) {
            ++i;
            continue;
        }
        int last = first;
        ++i;
        while (i < positions.size() && positions[i] == last + 1 && last + 1 <= rows) {
            ++last;
            ++i;
        }
        CallWindowProcW(procedure, box_, LB_SELITEMRANGEEX, first - 1, last - 1);
    }
    if (current >= 1 && current <= rows) {
        // Shift extends from the current row, if it is selected, as after a click on it.
        if (SendMessageW(box_, LB_GETSEL, current - 1, 0) > 0)
            SendMessageW(box_, LB_SETANCHORINDEX, current - 1, 0);
        setCurrentIndex(current - 1);
    }
}

void WindowsListBox::selectAll()
{
    // The current row stays where it is, as it does when the rows are selected one by one.
    if (count() > 0)
        SendMessageW(box_, LB_SELITEMRANGEEX, 0, count() - 1);
}

void WindowsListBox::suspendRedraw()
{
    SendMessageW(box_, WM_SETREDRAW, FALSE, 0);
    redraws_ = false;
}

void WindowsListBox::resumeRedraw()
{
    SendMessageW(box_, WM_SETREDRAW, TRUE, 0);
    redraws_ = true;
    InvalidateRect(box_, nullptr, TRUE);
}

bool WindowsListBox::isCurrentIndex(int index) const
{
    return currentPosition() == index + 1;
}

void WindowsListBox::setCurrentIndex(int index)
{
    // The focus row scrolled fully into view.
    SendMessageW(box_, LB_SETCARETINDEX, index, FALSE);
    hasCurrent_ = true;
}

}  // namespace murax
