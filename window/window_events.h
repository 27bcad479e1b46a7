// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "seam/window.h"
#include "tape/commands/command_table.h"
#include "tape/model/block_list.h"
#include "window/command_menus.h"
#include "window/entry_viewer_face.h"

namespace murax {

// What the main window's events do, the same on every face: the face draws the window, turns
// each of its events into one of these calls, and shows what they ask for. Every command starts
// through the dispatch point, so none starts while another one runs.
class WindowEvents {
public:
    // `window` is the face's main window and `list` the open tape; both must outlive this.
    WindowEvents(Window& window, BlockList& list) : window_(window), list_(list) {}

    // A command of the table, started through the dispatch point.
    void run(const Command& command);
    // A click on a toolbar button: its popup menu through `showMenu` and then the entry chosen,
    // or its own command (see clickToolbarButton).
    void toolbarClicked(ToolbarButton button, const MenuChoice& showMenu);
    // A key pressed in the list: runs the command bound to it. True when the list is to give the
    // key no handling of its own.
    bool keyPressed(const KeyPress& key);
    // A double-click on a row, which its first click has already made current.
    void rowDoubleClicked();
    // The selected rows dragged to the gap before `beforePosition` (from 1; one past the last
    // row for the end).
    void rowsDragged(int beforePosition);
    // Files dropped on the list, to go before `beforePosition`.
    void filesDropped(const std::vector<std::string>& files, int beforePosition);
    // A right click on the list (or its menu key): the context menu through `showMenu`, and the
    // chosen entry's command once the menu has closed.
    void contextMenuRequested(const MenuChoice& showMenu);
    // The window has been made: its status bar shows the tape's summary.
    void opened();
    // Runs a call once the event being handled has returned, through the face's event queue.
    using Later = std::function<void(std::function<void()> call)>;
    // The window has been painted. After the first paint, once it has returned (through
    // `later`), row 1 becomes selected and current.
    void painted(const Later& later);
    // Whether the window may close now. Not while a command runs (the hex editor's wait among
    // them): the command still holds its positions in the list and will write its result back.
    // The refusal beeps.
    bool mayClose();

    // The viewer has just been shown, opened or brought back: it shows the current entry and,
    // for as long as it stays showing, follows the current row.
    void viewerShown(EntryViewerFace& viewer);
    // The viewer's Export...: the current entry's export.
    void exportRequested();
    // The viewer's Export as sound...: the selected entries', or the tape's, sound.
    void exportSoundRequested();
    // The viewer's Play: the selected entries', or the tape's, sound through the sound card.
    void playRequested();
    void currentRowChanged();
    // The list box has been reloaded; once the list is empty the viewer has nothing to show.
    void listReloaded();
    // The window has gone (closed, not minimised): the viewer, which belongs to it, goes too.
    void windowHidden();

private:
    void dispatch(void (*routine)(Window&, BlockList&));
    void followCurrentRow();

    Window& window_;
    BlockList& list_;
    EntryViewerFace* viewer_ = nullptr;
    bool painted_ = false;
};

}  // namespace murax
