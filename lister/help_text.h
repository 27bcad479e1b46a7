// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace murax::lister {

// What --help prints: the forms of the command, what it does, one row per option and the exit
// statuses, each line within 80 columns.
std::string helpText(std::string_view program);

}  // namespace murax::lister
