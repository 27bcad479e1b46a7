// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace murax {

// A modal dialog, owned by `owner`, that offers `items` in a drop-down list under `label` (its
// lines ended by '\n'), with `current` chosen at first (the first item when `current` is not one
// of them), and OK and Cancel: the position of the item chosen with OK, nothing when cancelled.
// Built in memory: the program's resources keep only the windows the editor has always had.
std::optional<std::size_t> runItemChoiceDialog(HWND owner, const std::wstring& title,
                                               const std::wstring& label,
                                               const std::vector<std::wstring>& items,
                                               std::size_t current);

}  // namespace murax
