// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/play_command.h"

#include "seam/message_box.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/export_sound_command.h"
#include "tape/commands/sound_entries.h"
#include "tape/commands/tape_playing.h"

namespace murax {

SoundFormat playSoundFormat()
{
    return offeredSoundFormats().front();
}

void playCommand(Window& window, BlockList& list)
{
    if (list.count() == 0)
        return;
    auto playing = std::make_unique<TapePlaying>(
        entriesToSound(blockListBox(window).selectedPositions(), list), playSoundFormat());
    if (!playing->start(window.app())) {
        POPMSG(window.app(),
               "There is no sound device to play the tape on.;;Connect or turn on a sound "
               "output and press Play again, or write the sound to a file with Export as sound...",
               MessageKind::Inform);
        return;
    }
    window.showPlayWindow(std::move(playing));
}

}  // namespace murax
