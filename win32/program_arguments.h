// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace murax {

// The program's arguments, the program's own path first, split from `commandLine` (the UTF-16
// command line the system keeps) by the system's rules and made UTF-8, the core's text: a tape
// whose name lies outside the ANSI code page keeps it. Empty when the line cannot be split.
std::vector<std::string> programArguments(const wchar_t* commandLine);

// Pointers into `arguments` laid out as main()'s argv: the arguments, then a null pointer.
// They stay valid as long as `arguments` is not changed.
std::vector<char*> argumentPointers(std::vector<std::string>& arguments);

}  // namespace murax
