// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// UTF-8, the program's text, and UTF-16, the text of the Windows system calls. Both are exact for
// valid text; a byte that is not UTF-8 becomes U+FFFD on the way in.
std::wstring wideText(const std::string& utf8);
std::string utf8Text(const std::wstring& wide);
std::string utf8Text(const wchar_t* wide, std::size_t length);

}  // namespace murax
