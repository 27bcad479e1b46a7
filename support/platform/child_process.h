// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace murax {

// A command line split into program and arguments without a shell: blanks separate, double
// quotes group (a blank inside them is kept), and three double quotes in a row stand for one
// literal quote. The words stay bytes: a program path that is not valid text still works.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// A path as one word of a command line, for splitCommandLine and for the Windows rules alike: as
// it is when it holds no blank (a bare scratch name stays bare), else in double quotes. Windows
// paths hold no quote; a POSIX one that does has it written as three.
std::string commandLineWord(const std::string& path);

// Starts the command line as a new process and waits for it, calling `betweenPolls` every
// `pollMilliseconds` until it has ended. On POSIX the line is split by splitCommandLine and the
// program looked up in PATH when it names no folder; on Windows the system splits it (the
// program is the line's first token) and a console program gets a console of its own. The
// process has the caller's environment and current directory. The exit code (128 + the signal
// for a POSIX program that was killed), or nothing when the program could not be started.
std::optional<int> runAndWaitFor(const std::string& commandLine, int pollMilliseconds,
                                 const std::function<void()>& betweenPolls);

}  // namespace murax
