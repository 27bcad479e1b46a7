// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"
#include "tape/sound/sound_format.h"

namespace murax {

// The format Play sends to the sound card: the one the export offers first.
SoundFormat playSoundFormat();

// "Play": plays the entries Export as sound would write (the selected ones, or the whole tape)
// through the sound card, shown in the play window while the editing goes on. Nothing on an
// empty list; without a sound device, a message says so and nothing plays.
void playCommand(Window& window, BlockList& list);

}  // namespace murax
