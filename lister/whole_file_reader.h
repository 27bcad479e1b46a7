// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax::lister {

// Reads a file whole, byte for byte. On failure returns false and sets `error` to the system's
// error of the step that failed (opening or reading), so the caller can say why.
bool readWholeFile(const std::string& path, std::string& bytes, int& error);

}  // namespace murax::lister
