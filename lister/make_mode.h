// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace murax::lister {

// --make and the options that go with it, as given on the command line.
struct MakeOptions {
    bool requested = false;
    std::optional<std::string> name, start, autostart;
};

// Takes arguments[i] when it is --make, --name, --start or --autostart (with its value, moving
// `i` past it): true. A value that is missing is a usage error in `problem`.
bool takeMakeOption(const std::vector<std::string>& arguments, std::size_t& i, MakeOptions& options,
                    std::string& problem);

// What is wrong with a --make command line (its file count, -o, another mode given with it,
// values out of range or not for the input's kind), or nothing. `otherMode` names another mode
// given, or is empty. Without --make, only its options given.
std::optional<std::string> makeUsageProblem(const MakeOptions& options,
                                            const std::vector<std::string>& files, bool hasOutput,
                                            const std::string& otherMode);

// Writes to `output` (- for standard output) the TAP file holding the one entry that `input`
// makes; the exit status, the failure reported on standard error.
int makeTapeFile(const MakeOptions& options, const std::string& input, const std::string& output);

}  // namespace murax::lister
