// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tape/format/entry_bytes.h"
#include "tape/sound/tape_sound.h"

namespace murax::testing {

// The WAV file the core makes of these entries' sound, whole: what an export must have written.
inline std::string entriesSoundFile(const std::vector<std::string_view>& entries,
                                    const SoundFormat& format)
{
    // The parts read the blocks as they write, so the blocks must outlive them.
    const std::vector<std::string_view> blocks = blocksOfEntries(entries);
    std::string file;
    if (const auto parts = tapeSoundFile(blocks, format))
        parts->writeTo([&file](std::string_view piece) {
            file += piece;
            return true;
        });
    return file;
}

}  // namespace murax::testing
