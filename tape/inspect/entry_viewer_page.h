// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tape/inspect/screen_picture.h"

namespace murax {

// The viewer's tabs, in the order they come in.
enum class ViewerTab { BasicListing, Screen, Disassembly, HexDump };
inline constexpr ViewerTab kViewerTabs[] = {ViewerTab::BasicListing, ViewerTab::Screen,
                                            ViewerTab::Disassembly, ViewerTab::HexDump};

// The title on a tab: "BASIC listing", "Screen", "Disassembly", "Hex dump".
const char* viewerTabTitle(ViewerTab tab);

inline constexpr const char* kViewerExportButton = "Export...";
inline constexpr const char* kViewerExportSoundButton = "Export as sound...";
inline constexpr const char* kViewerPlayButton = "Play";

// Everything the viewer window shows of one entry, in the words and order it shows them, so
// that a front end only draws it. Texts are UTF-8, a line each, every line ended by '\n'.
struct EntryViewerPage {
    std::string windowTitle;  // the entry's name, or "Data block"
    // A header's fields ("Label: value"), an empty line, then each check's verdict: "OK      " or
    // "PROBLEM " before its sentence.
    std::string details;
    // How many rows of text the details keep in sight: every line and three to spare, since a
    // verdict's sentence may wrap, but no more than a header's details need.
    int detailRows = 0;
    // The BASIC listing or the screen where the entry has one, the disassembly of a bytes entry
    // or a data block without a header, then always the hex dump.
    std::vector<ViewerTab> tabs;
    std::string basicListing;             // empty without its tab
    std::optional<ScreenPicture> screen;  // nothing without its tab
    std::string disassembly;              // empty without its tab
    std::string hexDump;
};

EntryViewerPage entryViewerPage(std::string_view entry);

// The tab in front once the viewer shows `page`, after `previous` was: the hex dump, or the
// disassembly where the entry has one, stays in front where the user brought it while the viewer
// follows the rows; otherwise the first tab, since the listing, the picture or the code says more.
ViewerTab tabInFront(const EntryViewerPage& page, std::optional<ViewerTab> previous);

}  // namespace murax
