// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "lister/entry_commands.h"
#include "lister/entry_numbers.h"
#include "tape/sound/sound_format.h"

namespace murax::lister {

// Writes the sound of the tape in `tapeFile` as a WAV file to `outputPath` through the replacing
// write: every entry, or those of `runs` in the order given. The reason of a failure names what
// went wrong (a file that cannot be read, an entry the tape does not have, a sound too long for a
// WAV file, a failed write).
ActionOutcome writeTapeSound(const std::string& tapeFile, const std::vector<EntryRun>& runs,
                             const SoundFormat& format, const std::string& outputPath);

}  // namespace murax::lister
