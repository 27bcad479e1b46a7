// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace murax::lister {

// The program's arguments as UTF-8, whatever the system's code page (on Windows they are taken
// from the UTF-16 command line; elsewhere argv is already the file system's bytes).
std::vector<std::string> programArguments(int argc, char** argv);

// Makes standard output take the listing's bytes as they are: on Windows no "\r" is added
// before "\n" (the listing is the same file on every system), and a console shows UTF-8.
void prepareStandardOutput();

}  // namespace murax::lister
