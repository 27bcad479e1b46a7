// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "lister/entry_commands.h"
#include "lister/entry_numbers.h"
#include "tape/sound/sound_format.h"

namespace murax::lister {

// Writes the sound of the TAP bytes `tap` as a WAV file to `outputPath` as writeOutputFile does:
// every entry, or those of `runs` in the order given. The reason of a failure names what went
// wrong (an entry the tape does not have, a sound too long for a WAV file, a failed write).
ActionOutcome writeTapeSound(std::string_view tap, const std::vector<EntryRun>& runs,
                             const SoundFormat& format, const std::string& outputPath,
                             std::FILE* out);

}  // namespace murax::lister
