// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_list_box.h"

#include <commctrl.h>

namespace murax {
namespace {

constexpr UINT_PTR kWatchId = 0x4D4C;  // this class's subclass of the box

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
    return message == WM_KEYDOWN && key == 'A' && GetKeyState(VK_CONTROL) < 0 &&
           GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace

WindowsListBox::WindowsListBox(HWND box) : box_(box)
{
    SetWindowSubclass(box_, watch, kWatchId, reinterpret_cast<DWORD_PTR>(this));
}

WindowsListBox::~WindowsListBox()
{
    if (IsWindow(box_))
        RemoveWindowSubclass(box_, watch, kWatchId);
}

LRESULT CALLBACK WindowsListBox::watch(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self)
{
    auto& listBox = *reinterpret_cast<WindowsListBox*>(self);
    if (selectsAll(message, wParam)) {
        listBox.selectAll();
        // Nor is the character the key would type the box's: it would give the list a current row.
        MSG typed;
        PeekMessageW(&typed, box, WM_CHAR, WM_CHAR, PM_REMOVE);
        return 0;
    }
    const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
    // The box has moved its focus row on its own: from now on the list has a current row.
    const bool moved = message == WM_LBUTTONDOWN || message == WM_CHAR ||
                       (message == WM_KEYDOWN && movesFocus(wParam));
    if (moved && listBox.count() > 0)
        listBox.hasCurrent_ = true;
    return result;
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
