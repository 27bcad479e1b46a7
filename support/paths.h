// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// The absolute, lexically normalised path of `name` ("." and ".." resolved) against the current
// directory. The file need not exist.
std::string FULLNAME(const std::string& name);  // a name made absolute

// `path` shortened for display to at most `maxLength` characters (UTF-8 characters, never bytes):
// the drive or root and the end of the path, cut at a folder boundary, joined by "/...".
std::string SHORTPATH(const std::string& path, std::size_t maxLength);  // a path shortened

// Whether two names lead to one file: the same absolute name, or one file on disk reached by two
// names (a link, a hard link, a folder named two ways). Names of no existing file match by name.
bool sameFile(const std::string& a, const std::string& b);

}  // namespace murax
