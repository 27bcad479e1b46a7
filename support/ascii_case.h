// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace murax {

// Case rules that touch only the ASCII letters, so the bytes of a UTF-8 character (or of any
// other encoding) never change and never compare equal to something else.
std::string asciiUpper(std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace murax
