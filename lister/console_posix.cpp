// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/console.h"

namespace murax::lister {

std::vector<std::string> programArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

void prepareStandardOutput() {}

}  // namespace murax::lister
