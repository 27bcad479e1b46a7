// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/file_io.h"
#include "tape/file_commands.h"

namespace murax {

bool CAMBIATO(const BlockList& list)
{
    // Streamed, never loaded whole: the recovery after running out of memory asks this too.
    return fileDiffersFrom(currentFile, list.entries);
}

}  // namespace murax
