// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace murax::testing {

// The character the system's own Windows-1252 table gives `byte` (the C library's iconv on POSIX,
// the code page itself on Windows), or 0 where it has none: a table written apart from ours, to
// check ours against.
char32_t systemWindows1252(unsigned char byte);

}  // namespace murax::testing
