// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tape/format/entry_checks.h"
#include "tape/format/header_fields.h"
#include "tape/inspect/screen_picture.h"

namespace murax {

// Everything the viewer shows of one entry, worked out from its bytes alone.
struct EntryDetails {
    std::string title;              // the header's name, or "Data block"
    std::vector<FieldLine> fields;  // a header's fields with their meaning; empty without one
    std::vector<Verdict> verdicts;
    std::vector<std::string> hexDump;  // the entry's bytes as they are in the file
    // A program's BASIC listing; nothing for any other entry.
    std::optional<std::vector<std::string>> basicListing;
    // A bytes entry whose data is a screen (6912 bytes, or 6144 of pixels alone).
    std::optional<ScreenPicture> screen;
};

EntryDetails detailsOfEntry(std::string_view entry);

// The name an entry goes by in a window title: the header's name without the spaces that pad it,
// in the list's mapping, or "Data block" for an entry without a header.
std::string entryTitle(std::string_view entry);

// A program entry's listing as the viewer shows it and Export writes it; nothing for an entry
// that is not a program.
std::optional<std::vector<std::string>> programListing(std::string_view entry);

// The screen of a bytes entry whose data is screen memory; nothing for any other entry.
std::optional<ScreenPicture> entryScreen(std::string_view entry);

// Lines as one text, each ended by '\n', as the viewer shows a listing and Export writes it.
std::string linesAsText(const std::vector<std::string>& lines);

}  // namespace murax
