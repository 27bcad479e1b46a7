// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include <windows.h>

#include "seam/desktop_services.h"
#include "seam/window.h"

namespace murax {

// "Edit properties", the template MODIFICA, modal to `owner`, opened on `form`: the name field
// shows the name (bytes, one character each) fully selected, takes at most its length in
// characters and only characters that stand for a byte; below it the type and the header's other
// fields, each taking only what its rule takes (a refusal beeps on `desktop`), those the chosen
// type lacks disabled. What the dialog holds when closed with "Save"; nothing when cancelled.
std::optional<PropertiesForm> askForProperties(HWND owner, Desktop& desktop,
                                               const PropertiesForm& form);

}  // namespace murax
