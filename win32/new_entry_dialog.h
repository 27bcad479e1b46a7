// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <windows.h>

#include "seam/desktop_services.h"
#include "seam/window.h"

namespace murax {

// "New entry from file", the template NUOVA, modal to `owner`, opened on `form`: the line saying
// what the entry will be, the name field (the name fully selected, the name field's rules) and the
// further field the file's kind asks for, with that header field's rules (hidden when it asks for
// none); a refusal beeps on `desktop`. What the dialog holds when closed with "Add" or "Insert",
// and which; nothing when cancelled.
std::optional<NewEntryForm> askForNewEntry(HWND owner, Desktop& desktop, const NewEntryForm& form);

}  // namespace murax
