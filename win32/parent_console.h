// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// Writes `utf8` where a console program's output would go, although murax.exe is a window
// program with no console of its own: to its standard output when that was redirected (a pipe or
// a file gets the bytes as they are), else to the console of the program that started it, in
// UTF-16 so that every character shows. False when there is neither or the write fails.
bool writeToStartingConsole(const std::string& utf8);

}  // namespace murax
