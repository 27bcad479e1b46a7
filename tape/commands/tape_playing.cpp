// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/tape_playing.h"

#include <algorithm>

#include "tape/format/entry_bytes.h"
#include "tape/inspect/entry_details.h"
#include "tape/sound/loader_timing.h"
#include "tape/sound/tape_sound.h"

namespace murax {
namespace {

std::vector<std::string> copiedBlocks(const std::vector<std::string_view>& entries)
{
    std::vector<std::string> blocks;
    for (const std::string_view block : blocksOfEntries(entries))
        blocks.emplace_back(block);
    return blocks;
}

std::string twoDigits(std::uint64_t value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string playTimeText(std::uint64_t samples, std::uint32_t sampleRate)
{
    const std::uint64_t seconds = (samples + sampleRate - 1) / sampleRate;
    const std::uint64_t hours = seconds / 3600, minutes = seconds / 60 % 60;
    if (hours > 0)
        return std::to_string(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds % 60);
    return std::to_string(minutes) + ":" + twoDigits(seconds % 60);
}

TapePlaying::TapePlaying(const std::vector<std::string_view>& entries, const SoundFormat& format)
    : stream_(copiedBlocks(entries), format)
{
    // Each entry's sound is what it would sound alone, without the silence that starts a tape.
    std::uint64_t end = kSilenceBeforeTape;
    for (const std::string_view entry : entries) {
        const std::vector<std::string_view> blocks = entryBlocks(entry);
        end += tapeSoundDuration(blocks) - kSilenceBeforeTape;
        entries_.push_back({entryTitle(entry), samplesBefore(end, format.sampleRate)});
    }
}

bool TapePlaying::start(Desktop& desktop)
{
    playback_ = desktop.playSound(*this);
    return playback_ != nullptr;
}

std::string TapePlaying::windowTitle() const
{
    return "Play";
}

std::string TapePlaying::progressText() const
{
    const std::uint64_t total = stream_.totalSamples();
    const std::uint64_t played = std::min(playback_ ? playback_->playedSamples() : total, total);
    const auto playing =
        std::find_if(entries_.begin(), entries_.end(),
                     [played](const PlayedEntry& entry) { return played < entry.endSample; });
    std::string text;
    if (playing != entries_.end())
        text = "Playing " + std::to_string(playing - entries_.begin() + 1) + " of " +
               std::to_string(entries_.size()) + ": " + playing->title + "\n";
    else
        text = "Played " + std::to_string(entries_.size()) + " of " +
               std::to_string(entries_.size()) + "\n";
    return text + playTimeText(total - played, stream_.format().sampleRate) + " left";
}

bool TapePlaying::ended() const
{
    return playback_ == nullptr || playback_->ended();
}

void TapePlaying::stop()
{
    playback_.reset();
}

}  // namespace murax
