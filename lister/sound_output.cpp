// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/sound_output.h"

#include "support/native_file.h"
#include "support/os_error.h"
#include "tape/block_list.h"
#include "tape/entry_bytes.h"
#include "tape/sound/tape_sound.h"
#include "tape/tap_decoding.h"

namespace murax::lister {

ActionOutcome writeTapeSound(const std::string& tapeFile, const std::vector<EntryRun>& runs,
                             const SoundFormat& format, const std::string& outputPath)
{
    NativeFile input = NativeFile::openForReading(tapeFile);
    std::string bytes;
    if (!input.isOpen() || !input.readAll(bytes))
        return {1, "cannot read " + tapeFile + ": " + systemErrorText(input.error())};
    BlockList tape;
    splitIntoEntries(bytes, tape);

    std::vector<std::string_view> entries;
    if (runs.empty())
        entries.assign(tape.entries().begin(), tape.entries().end());
    for (const EntryRun& run : runs) {
        if (run.last > tape.count())
            return {1, tapeFile + ": no entry " + std::to_string(run.last) + " (the tape has " +
                           std::to_string(tape.count()) + ")"};
        for (std::size_t n = run.first; n <= run.last; ++n)
            entries.emplace_back(tape.entries()[n - 1]);
    }
    const std::vector<std::string_view> blocks = blocksOfEntries(entries);
    const std::optional<ByteParts> sound = tapeSoundFile(blocks, format);
    if (!sound)
        return {1, tapeFile + ": the sound is longer than a WAV file can hold"};
    return writeOutputFile(outputPath, *sound);
}

}  // namespace murax::lister
