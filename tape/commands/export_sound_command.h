// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "seam/window.h"
#include "tape/model/block_list.h"
#include "tape/sound/sound_format.h"

namespace murax {

// The sound formats offered for an export, the usual one (44.1 kHz, 16 bits) first.
const std::vector<SoundFormat>& offeredSoundFormats();

// How a format is named to the user: "44.1 kHz, 16 bits".
std::string soundFormatName(const SoundFormat& format);

// "Export as sound...": writes those entries as a WAV file that a real Spectrum loads. Asks for
// the sound's format, then for the file through the save dialog (".wav" added to a name without
// an extension); an existing file is replaced only once the user agrees, through the replacing
// write, the sound made while it is written. Nothing on an empty list; a sound too long for a
// WAV file is refused with a message.
void exportSoundCommand(Window& window, BlockList& list);

}  // namespace murax
