// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// A chosen or given name made ready for use: ".tap" appended when its last path component has no
// extension (no "." or nothing after the last "."), then made absolute with FULLNAME.
std::string completeName(const std::string& name);

}  // namespace murax
