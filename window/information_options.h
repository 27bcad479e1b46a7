// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>

namespace murax {

// The two options the editor answers without opening a window: `--help` and `--version`, given
// as the first argument. Any other first argument is the tape to open; a leading `--` is taken
// out of argc and argv so that the argument after it is the tape even when it looks like one of
// the two options. Returns the exit status when the answer has been written to `out` and the
// program is to end, nothing when it is to go on.
std::optional<int> answerInformationOption(int& argc, char** argv, std::ostream& out);

}  // namespace murax
