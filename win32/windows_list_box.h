// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <windows.h>

#include "seam/list_box.h"

namespace murax {

// The block list box as the commands see it, over a Windows list box that holds no data of its
// own (LBS_NODATA, owner-drawn, extended selection): its rows are only a count, and whoever owns
// it draws each row from the tape's lines. Positions count from 1.
//
// A Windows list box always has a focus row, row 0 of a list just filled, even when nothing has
// made it current; this class keeps whether anything has (a select, a click or a key in the
// list), so that a reload leaves no current row, as the contract wants.
class WindowsListBox : public ListBox {
public:
    // Takes `box` over for as long as this object lives: it watches the box's clicks and keys.
    explicit WindowsListBox(HWND box);
    ~WindowsListBox() override;
    WindowsListBox(const WindowsListBox&) = delete;
    WindowsListBox& operator=(const WindowsListBox&) = delete;

    HWND handle() const { return box_; }
    // Called after every reload, once the box holds the new rows.
    void setReloadHandler(std::function<void()> handler) { reloaded_ = std::move(handler); }

    int currentPosition() const override;
    int count() const override;
    std::vector<int> selectedPositions() const override;
    void reload(const DisplayLines& lines) override;
    void select(int position) override;
    void selectRows(const std::vector<int>& positions, int current) override;
    void suspendRedraw() override;
    void resumeRedraw() override;

    // Every row selected, the current row left as it is (Ctrl+A in the box).
    void selectAll();
    // Whether the box draws its changes now (not between suspendRedraw and resumeRedraw).
    bool redraws() const { return redraws_; }
    // Whether the row at `index` (from 0) is the current row; the owner draws its focus frame.
    bool isCurrentIndex(int index) const;

private:
    static LRESULT CALLBACK watch(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self);
    void setCurrentIndex(int index);

    HWND box_;
    bool hasCurrent_ = false;
    bool redraws_ = true;
    std::function<void()> reloaded_;
};

}  // namespace murax
