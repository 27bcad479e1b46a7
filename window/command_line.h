// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace murax {

// What the editor's command line asks for, decided before any window opens.
struct StartRequest {
    // Set when the command line has been answered on the output (`--help` or `--version` as the
    // first argument): the program ends with this status, 1 when the answer could not be
    // written.
    std::optional<int> exitStatus;
    // The tape to open: the first argument, or the one after a leading `--` even when it looks
    // like one of the two options. None without an argument: the open dialog asks. Further
    // arguments are ignored.
    std::optional<std::string> tape;
};

// Reads `arguments` (main's argv: the program's path first), writing the answer to an option to
// `out`.
StartRequest readCommandLine(const std::vector<std::string>& arguments, std::ostream& out);

}  // namespace murax
