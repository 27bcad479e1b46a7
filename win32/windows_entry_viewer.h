// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include <windows.h>

#include "tape/inspect/entry_viewer_page.h"
#include "window/entry_viewer_face.h"

namespace murax {

// The viewer on Windows: a window of its own, owned by the main window and not modal, that draws
// an entry's page (tape/inspect/entry_viewer_page.h): the header's fields and the checks' verdicts
// above, a tab control below with the BASIC listing, the screen at twice its size, the
// disassembly or the hex dump. The texts are read-only edit controls, so every one can be selected
// and copied. Esc and the close box hide it; Export... runs `exportEntry`, Export as sound...
// `exportSound` and Play `play`.
class WindowsEntryViewer : public EntryViewerFace {
public:
    WindowsEntryViewer(HWND owner, std::function<void()> exportEntry,
                       std::function<void()> exportSound, std::function<void()> play);
    ~WindowsEntryViewer() override;
    WindowsEntryViewer(const WindowsEntryViewer&) = delete;
    WindowsEntryViewer& operator=(const WindowsEntryViewer&) = delete;

    bool isShowing() const override;
    void showEntry(std::string_view entry) override;
    void putAway() override;
    // Shows the window, in front of its owner, with the keyboard's focus. A viewer that was not
    // on the screen opens beside its owner, within the screen's work area.
    void bringForward();

    HWND handle() const { return window_; }
    HWND details() const { return details_; }
    HWND tabs() const { return tabs_; }
    HWND basicListing() const { return basic_; }
    HWND screen() const { return screen_; }
    HWND disassembly() const { return disassembly_; }
    HWND hexDump() const { return hex_; }
    HWND exportButton() const { return export_; }
    HWND exportSoundButton() const { return sound_; }
    HWND playButton() const { return play_; }
    // The screen as drawn: a top-down 32-bit DIB section at twice the screen's size.
    HBITMAP picture() const { return picture_; }
    const std::vector<ViewerTab>& shownTabs() const { return shownTabs_; }
    std::optional<ViewerTab> tabInFront() const;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK screenProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

private:
    static LRESULT CALLBACK keyWatch(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool keyDown(HWND control, WPARAM key);
    void layOut();
    int clientWidth() const;
    void bringToFront(ViewerTab tab);
    HWND pageOf(ViewerTab tab) const;
    void drawScreen(const ScreenPicture& picture);
    void paintScreen();

    HWND owner_ = nullptr;
    std::function<void()> exportEntry_;
    std::function<void()> exportSound_;
    std::function<void()> playRequest_;
    int dpi_ = 96;
    HWND window_ = nullptr;
    HWND details_ = nullptr;
    HWND tabs_ = nullptr;
    HWND basic_ = nullptr;
    HWND screen_ = nullptr;
    HWND disassembly_ = nullptr;
    HWND hex_ = nullptr;
    HWND export_ = nullptr;
    HWND sound_ = nullptr;
    HWND play_ = nullptr;
    HWND close_ = nullptr;
    HFONT textFont_ = nullptr;
    HFONT messageFont_ = nullptr;
    HBITMAP picture_ = nullptr;
    int detailRows_ = 0;
    SIZE frameSize_{};
    std::vector<ViewerTab> shownTabs_;
};

}  // namespace murax
