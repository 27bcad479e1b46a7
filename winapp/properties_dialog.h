// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include <windows.h>

#include "seam/desktop_services.h"

namespace murax {

// "Edit properties", the template MODIFICA, modal to `owner`: the name field shows `fieldText`
// (bytes, one character each) fully selected, takes at most `maxLength` characters and only
// characters that stand for a byte (a refusal beeps on `desktop`). The field's bytes when closed
// with "Save"; nothing when cancelled.
std::optional<std::string> askForName(HWND owner, Desktop& desktop, const std::string& fieldText,
                                      std::size_t maxLength);

}  // namespace murax
