// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "seam/app_context.h"
#include "seam/list_box.h"
#include "seam/png_encoder.h"
#include "seam/sound_output.h"

namespace murax {

// What the "Edit properties" dialog shows and gives back, as the user sees it: the name field's
// text (bytes) and how many characters it takes, the type chosen (an index into the header types,
// -1 for a type byte that is none of them), the text of each further field in the order the
// properties command lists them, and the data length, shown but not typed.
struct PropertiesForm {
    std::string name;
    std::size_t nameLength = 0;
    int type = -1;
    std::vector<std::string> fields;
    std::string dataLength;
};

// What the "New entry from file" dialog shows and gives back: a line saying what the entry will be
// and the file it comes from (cut at its end when too long to show), the tape name field's text
// (bytes) and how many characters it takes, and the one further field the file's kind asks for, if
// any (by its place among the header fields the properties dialog lists, -1 for none) with its
// text. When closed with "Add" or "Insert", which of the two was pressed: the entry goes at the
// end, or before the current row.
struct NewEntryForm {
    std::string about;
    std::string name;
    std::size_t nameLength = 0;
    int field = -1;
    std::string fieldText;
    bool insert = false;
};

// A progress bar with Cancel, modal to the main window, over a long task that runs meanwhile in
// the window's own thread. It goes when it is destroyed.
class ProgressBar {
public:
    virtual ~ProgressBar() = default;
    // Shows that `fraction` (0 to 1) of the task is done and dispatches the pending events, so
    // that the windows repaint and Cancel can be pressed; false once Cancel has been pressed.
    virtual bool advance(double fraction) = 0;
};

// The main window as the commands see it.
class Window {
public:
    virtual ~Window() = default;
    // The run's services (desktop, temporary names, the running command) the commands use.
    virtual AppContext& app() = 0;
    // The block list box ("cBlk"), which every command works on.
    virtual ListBox& listBox() = 0;
    virtual void setTitle(const std::string& title) = 0;
    // Schedules a repaint of the whole window, without erasing its background first.
    virtual void repaintWithoutErasing() = 0;
    virtual void setStatusText(const std::string& text) = 0;
    // The "Edit properties" dialog, modal to this window, opened on `form`: the name fully
    // selected in its field, the type and the fields below it. Returns what the dialog holds when
    // closed with "Save", nothing otherwise.
    virtual std::optional<PropertiesForm> editProperties(const PropertiesForm& form) = 0;
    // The "New entry from file" dialog, modal to this window, opened on `form` with the name
    // fully selected. What it holds when closed with "Add" or "Insert", nothing when cancelled.
    virtual std::optional<NewEntryForm> askNewEntry(const NewEntryForm& form) = 0;
    // Opens the viewer, a window of its own beside this one, on the current entry, or brings
    // it to the front; while it stays open it follows the current row.
    virtual void showEntryViewer() = 0;
    // The platform's way of making a picture into a PNG file.
    virtual PngEncoder& pngEncoder() = 0;
    // Opens a progress bar over this window, titled `title`, with `text` above the bar and
    // nothing done yet.
    virtual std::unique_ptr<ProgressBar> openProgressBar(const std::string& title,
                                                         const std::string& text) = 0;
    // Shows `playing` in the play window, a small window of its own beside this one that leaves
    // this one free to use, until the sound ends or is stopped. A sound played before is stopped
    // and replaced.
    virtual void showPlayWindow(std::unique_ptr<PlayingSound> playing) = 0;
};

// The window title: the program's name and the project's version, which the build gives.
inline constexpr const char* kWindowTitle = "Murax " MURAX_VERSION;

}  // namespace murax
