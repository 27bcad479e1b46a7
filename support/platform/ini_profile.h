// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// A private profile (INI) file: sections in brackets, key=value lines. Sections and keys compare
// without case; a value is trimmed and one pair of enclosing quotes removed.

// The value, or `defaultValue` when the file, section or key is missing.
std::string readProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& file);

// Writes the value, creating the file, section and key as needed and keeping every other line.
// False when the file cannot be written.
bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file);

}  // namespace murax
