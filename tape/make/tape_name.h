// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace murax {

// A tape name typed as UTF-8 text taken as the header's bytes, by the rules of the rename field:
// each character must stand for a byte in the list's character mapping, and there may be at most
// ten. Nothing when the text breaks either rule.
std::optional<std::string> tapeNameFromText(std::string_view utf8);

// The name an entry made from a file gets when none is given: the file's name without its folder
// and extension, its characters that stand for no byte left out, cut to ten.
std::string tapeNameForFile(std::string_view path);

}  // namespace murax
