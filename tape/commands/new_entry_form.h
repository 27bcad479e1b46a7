// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "seam/window.h"
#include "tape/make/entry_from_file.h"

namespace murax {

// The "New entry from file" dialog's rules, whatever draws it. Its name field keeps the rename
// field's rules (name_field.h); its further field, when the file's kind asks for one, is a header
// field (header_edit.h) and keeps that field's rules.

// The dialog's opening form for the file `path`: the name its file name gives, and for a BASIC
// listing the autostart line (empty: none), for code the start address (32768). A screen asks for
// nothing more: it always loads at 16384.
NewEntryForm newEntryFormFor(const std::string& path);

// The choices the dialog's answer makes, or, when it makes none (a start address left empty),
// the message that says why, after which the dialog opens again on the answer.
struct NewEntryChoices {
    std::optional<FileEntryChoices> choices;
    std::string problem;
};
NewEntryChoices choicesOf(const NewEntryForm& answer);

}  // namespace murax
