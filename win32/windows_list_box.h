// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include <shellapi.h>

#include "seam/list_box.h"
#include "seam/row_geometry.h"
#include "tape/commands/virtual_keys.h"
#include "window/list_gestures.h"

namespace murax {

// The block list box as the commands see it, over a Windows list box that holds no data of its
// own (LBS_NODATA, owner-drawn, extended selection): its rows are only a count, and whoever owns
// it draws each row from the tape's lines. Positions count from 1.
//
// A Windows list box always has a focus row, row 0 of a list just filled, even when nothing has
// made it current; this class keeps whether anything has (a select, a click or a key in the
// list), so that a reload leaves no current row, as the contract wants.
//
// Every message of the box that the program handles passes through this class: the keys go
// first to the key handler and Enter stays the list's; a press on a selected row is the row
// drag's (window/list_gestures.h), which this class feeds and draws; files dropped from the
// shell are read once the drop has returned. What a key or a drop does is the window's: the box
// only reports it, through the handlers, with the row a drop lands before (from 1; one past the
// last row when below it). A release that selects a row tells the owner as a click does
// (LBN_SELCHANGE).
class WindowsListBox : public ListBox {
public:
    // Whether the key was the window's: then the box gives it no handling of its own.
    using KeyPressed = std::function<bool(const KeyPress& key)>;
    using RowsDropped = std::function<void(int beforePosition)>;
    using FilesDropped =
        std::function<void(const std::vector<std::string>& files, int beforePosition)>;

    // Takes `box` over for as long as this object lives: it watches the box's clicks, keys and
    // drops.
    explicit WindowsListBox(HWND box);
    ~WindowsListBox() override;
    WindowsListBox(const WindowsListBox&) = delete;
    WindowsListBox& operator=(const WindowsListBox&) = delete;

    HWND handle() const { return box_; }
    // Called after every reload, once the box holds the new rows.
    void setReloadHandler(std::function<void()> handler) { reloaded_ = std::move(handler); }
    void setKeyHandler(KeyPressed handler) { keyPressed_ = std::move(handler); }
    void setDropHandlers(RowsDropped rowsDropped, FilesDropped filesDropped);

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
    // The rows as they lie in the box now, for placing a drag, a drop and the menu key's menu.
    RowGeometry rowGeometry() const;

private:
    static LRESULT CALLBACK watch(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self);
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool keyDown(UINT message, WPARAM key);
    bool press(WPARAM flags, LPARAM point);
    void dragTo(LPARAM point);
    void release();
    void filesDropped(HDROP drop);
    void paintDropLine();
    void setCurrentIndex(int index);

    HWND box_;
    bool hasCurrent_ = false;
    bool redraws_ = true;
    std::function<void()> reloaded_;
    KeyPressed keyPressed_;
    RowDrag rowDrag_;
    FileDrops fileDrops_;
    RowsDropped rowsDropped_;
    FilesDropped filesDropped_;
};

}  // namespace murax
