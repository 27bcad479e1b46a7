// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "seam/window.h"
#include "tape/model/block_list.h"
#include "win32/windows_entry_viewer.h"
#include "win32/windows_list_box.h"
#include "win32/windows_play_window.h"
#include "win32/windows_png_encoder.h"
#include "win32/windows_toolbar.h"
#include "window/window_events.h"

namespace murax {

// The program's one top-level window on Windows, made from the template MURAX: the toolbar along
// its top, the column title band, the block list box and the status bar, at the look's sizes
// scaled to the screen. It only draws and turns the system's messages into WindowEvents' calls;
// every command receives it as its window. Esc and the close box close it, except while a
// command runs; Enter never does.
class WindowsMainWindow : public Window {
public:
    WindowsMainWindow(AppContext& app, BlockList& list);
    ~WindowsMainWindow() override;
    WindowsMainWindow(const WindowsMainWindow&) = delete;
    WindowsMainWindow& operator=(const WindowsMainWindow&) = delete;

    // Shows the window and runs it modally until it closes.
    void runModal();
    // Shows the window and returns at once; the caller's message loop drives it (the tests').
    HWND open();
    HWND handle() const { return window_; }
    WindowsListBox& blockList() { return *list_; }
    HWND toolbar() const { return toolbar_ ? toolbar_->handle() : nullptr; }
    const std::string& statusText() const { return statusText_; }
    // The entry viewer, once F3 has first opened it.
    WindowsEntryViewer* entryViewer() const { return viewer_.get(); }
    // The play window, once Play has first opened it.
    WindowsPlayWindow* playWindow() const { return playWindow_.get(); }

    AppContext& app() override { return app_; }
    ListBox& listBox() override { return *list_; }
    void setTitle(const std::string& title) override;
    void repaintWithoutErasing() override;
    void setStatusText(const std::string& text) override;
    std::optional<PropertiesForm> editProperties(const PropertiesForm& form) override;
    std::optional<NewEntryForm> askNewEntry(const NewEntryForm& form) override;
    void showEntryViewer() override;
    PngEncoder& pngEncoder() override { return png_; }
    std::unique_ptr<ProgressBar> openProgressBar(const std::string& title,
                                                 const std::string& text) override;
    void showPlayWindow(std::unique_ptr<PlayingSound> playing) override;

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void initialise(HWND window);
    void layOut();
    void command(int id, int notification);
    void toolbarClicked(ToolbarButton button);
    void contextMenu(LPARAM screenPoint);
    void paint();
    void close();
    RECT statusBarRect() const;

    AppContext& app_;
    BlockList& blocks_;
    WindowEvents events_;
    HWND window_ = nullptr;
    bool modal_ = false;
    int dpi_ = 96;
    HFONT windowFont_ = nullptr;
    HFONT listFont_ = nullptr;
    HFONT statusFont_ = nullptr;
    std::unique_ptr<WindowsListBox> list_;
    std::unique_ptr<WindowsToolbar> toolbar_;
    std::string statusText_;
    std::function<void()> afterPaint_;  // run once the paint that asked for it has returned
    WindowsPngEncoder png_;
    std::unique_ptr<WindowsEntryViewer> viewer_;
    std::unique_ptr<WindowsPlayWindow> playWindow_;
};

}  // namespace murax
