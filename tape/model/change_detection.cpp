// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/model/change_detection.h"

#include "support/platform/file_io.h"

namespace murax {

bool CAMBIATO(const BlockList& list)
{
    // Streamed, never loaded whole: the recovery after running out of memory asks this too.
    return fileDiffersFrom(list.currentFile, list.entries());
}

}  // namespace murax
