// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lister/command_line.h"

namespace murax::lister {

// Each mode of the command line, run: the status the program exits with. Standard output is
// flushed and checked by the caller.
inline int runMode(const Finished& finished)
{
    return finished.status;
}
int runMode(const ListFiles& mode);
int runMode(const WriteEntry& mode);
int runMode(const ConvertToTap& mode);
int runMode(const WriteSound& mode);
int runMode(const MakeTape& mode);

}  // namespace murax::lister
