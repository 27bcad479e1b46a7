// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/sound_output.h"

#include "tape/format/entry_bytes.h"
#include "tape/format/entry_scanner.h"
#include "tape/sound/tape_sound.h"

namespace murax::lister {
namespace {

// The tape's entries, as the editor splits them.
std::vector<std::string_view> entriesOf(std::string_view tap)
{
    std::vector<std::string_view> entries;
    MemoryTapeSource source(tap);
    EntryScanner scanner(source);
    ScannedEntry entry;
    while (scanner.next(entry))
        entries.push_back(tap.substr(static_cast<std::size_t>(entry.offset),
                                     static_cast<std::size_t>(entry.length)));
    return entries;
}

}  // namespace

ActionOutcome writeTapeSound(std::string_view tap, const std::vector<EntryRun>& runs,
                             const SoundFormat& format, const std::string& outputPath,
                             std::FILE* out)
{
    // Only the blocks that hold a byte are kept: the others make no sound, and a tape of millions
    // of empty blocks then takes no memory for them.
    std::vector<std::string_view> blocks;
    const auto keepSounding = [&blocks](std::string_view entry) {
        for (const std::string_view block : entryBlocks(entry))
            if (!block.empty())
                blocks.push_back(block);
    };
    if (runs.empty()) {
        MemoryTapeSource source(tap);
        EntryScanner scanner(source);
        ScannedEntry entry;
        while (scanner.next(entry))
            keepSounding(tap.substr(static_cast<std::size_t>(entry.offset),
                                    static_cast<std::size_t>(entry.length)));
    } else {
        const std::vector<std::string_view> tape = entriesOf(tap);
        for (const EntryRun& run : runs) {
            if (run.last > tape.size())
                return {1, "no entry " + run.lastText + " (the tape has " +
                               std::to_string(tape.size()) + ")"};
            for (std::size_t i = run.first - 1; i < run.last; ++i)
                keepSounding(tape[i]);
        }
    }
    const std::optional<ByteParts> sound = tapeSoundFile(blocks, format);
    if (!sound)
        return {1, "the sound is longer than a WAV file can hold"};
    return writeOutputFile(outputPath, *sound, out);
}

}  // namespace murax::lister
