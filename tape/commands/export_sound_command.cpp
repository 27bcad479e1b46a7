// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/export_sound_command.h"

#include "seam/desktop_services.h"
#include "seam/message_box.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/file_saving.h"
#include "tape/commands/name_completion.h"
#include "tape/commands/save_commands.h"
#include "tape/commands/sound_entries.h"
#include "tape/format/entry_bytes.h"
#include "tape/sound/tape_sound.h"

namespace murax {
namespace {

constexpr const char* kWavFilesFilter = "WAV sound (*.wav)";

std::string entriesText(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " entry" : " entries");
}

// What the export will write, said before the format is chosen.
std::string whatIsWritten(std::size_t sounded, std::size_t all)
{
    if (sounded == all)
        return "The whole tape, " + entriesText(all) +
               " (select entries to write only those), as a WAV file.";
    return "The selected " + entriesText(sounded) + " of " + std::to_string(all) +
           " (select none for the whole tape), as a WAV file.";
}

}  // namespace

const std::vector<SoundFormat>& offeredSoundFormats()
{
    static const std::vector<SoundFormat> formats = {
        {44100, 16}, {48000, 16}, {22050, 16}, {44100, 8}, {48000, 8}, {22050, 8},
    };
    return formats;
}

std::string soundFormatName(const SoundFormat& format)
{
    const std::uint32_t kilo = format.sampleRate / 1000, rest = format.sampleRate % 1000;
    std::string rate = std::to_string(kilo);
    if (rest != 0) {
        rate += '.' + std::to_string(rest + 1000).substr(1);
        rate.erase(rate.find_last_not_of('0') + 1);
    }
    return rate + " kHz, " + std::to_string(format.bitsPerSample) + " bits";
}

void exportSoundCommand(Window& window, BlockList& list)
{
    if (list.count() == 0)
        return;
    Desktop& desktop = window.app().desktop();
    const std::vector<std::string_view> entries =
        entriesToSound(blockListBox(window).selectedPositions(), list);

    std::vector<std::string> formatNames;
    for (const SoundFormat& format : offeredSoundFormats())
        formatNames.push_back(soundFormatName(format));
    const auto choice = desktop.chooseItem(
        "Export as sound",
        whatIsWritten(entries.size(), list.count()) + "\nSound format:", formatNames, 0);
    if (!choice || *choice >= formatNames.size())
        return;
    const SoundFormat format = offeredSoundFormats()[*choice];

    const std::vector<std::string_view> blocks = blocksOfEntries(entries);
    const std::optional<ByteParts> sound = tapeSoundFile(blocks, format);
    if (!sound) {
        POPMSG(window.app(),
               "These entries sound longer than a WAV file can hold.;;Export fewer entries at a "
               "time, or choose a lower rate or 8 bits.",
               MessageKind::Inform);
        return;
    }

    const std::string chosen = desktop.saveFileDialog("WAV file to write", {kWavFilesFilter});
    if (chosen.empty())
        return;
    const std::string target = completeName(chosen, ".wav");
    if (!agreesToOverwrite(window.app(), target))
        return;
    writeFileReplacing(window.app(), target, *sound);
}

}  // namespace murax
