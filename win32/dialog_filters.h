// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace murax {

// The core's name filters ("TAP files (*.tap)", "Text (*.txt *.text)") as the common file
// dialogs take them: for each, its description and its patterns joined by ";", each followed by
// a null character, and one more null at the end. A filter without a pattern in parentheses
// shows everything ("*.*").
std::wstring dialogFilterText(const std::vector<std::string>& filters);

}  // namespace murax
