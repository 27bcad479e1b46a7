// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string_view>

namespace murax::lister {

// Writes the display lines of a tape to `out` exactly as the editor's list shows them, one per
// entry, each ended by a newline, in UTF-8 through the editor's one-character-per-byte mapping.
void writeListing(std::string_view tapeBytes, std::FILE* out);

}  // namespace murax::lister
