// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/memory_refusal.h"

#include <cstdio>

namespace murax::lister {

int refuseForWantOfMemory(const std::string* tape)
{
    std::fflush(stdout);
    // No allocation here: the memory has just run out.
    std::fputs("murax-list: ", stderr);
    if (tape) {
        std::fputs(tape->c_str(), stderr);
        std::fputs(": ", stderr);
    }
    std::fputs("not enough memory for this tape\n", stderr);
    return 1;
}

}  // namespace murax::lister
