// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace murax {

// A chosen or given name made ready for use: `extension` appended when its last path component
// has none (no "." or nothing after the last "."), then made absolute with FULLNAME.
std::string completeName(const std::string& name, std::string_view extension = ".tap");

}  // namespace murax
