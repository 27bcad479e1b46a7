// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <source_location>
#include <string>
#include <vector>

namespace murax {

// Whole-file reading and writing, byte for byte. The raising variants report a failure as an
// error record through the runtime-error handler, naming `path` (the file the user knows) and the
// editor code that called them; the handler then usually abandons the running command.

// Reads the file whole. A failure is raised (open failure, the system's error); a file larger
// than the memory the process can have is refused before anything is read.
std::string readFile(const std::string& path,
                     std::source_location where = std::source_location::current());

// Whether the file's bytes differ from the concatenation of `parts`; a file that is missing or
// cannot be read counts as empty. Compared in fixed-size chunks, so that no memory that grows
// with the file is needed (the check also runs when memory has run out).
bool fileDiffersFrom(const std::string& path, const std::vector<std::string>& parts);

bool fileExists(const std::string& path);  // a regular file (or a link to one) exists at `path`
// Whether anything at all is at `path`: a file, a folder, a device, a pipe (a link is followed).
bool pathExists(const std::string& path);

}  // namespace murax
