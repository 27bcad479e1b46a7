// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/tape_playing.h"

#include <algorithm>

#include "seam/desktop_services.h"
#include "seam/message_box.h"
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

bool TapePlaying::start(AppContext& app)
{
    app_ = &app;
    playback_ = app.desktop().playSound(*this);
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
    const auto playing = entryAt(played);
    const std::string text = playing != entries_.end()
                                 ? "Playing " + entryText(playing)
                                 : "Played " + std::to_string(entries_.size()) + " of " +
                                       std::to_string(entries_.size());
    return text + "\n" + playTimeText(total - played, stream_.format().sampleRate) + " left";
}

std::vector<TapePlaying::PlayedEntry>::const_iterator TapePlaying::entryAt(
    std::uint64_t played) const
{
    return std::find_if(entries_.begin(), entries_.end(),
                        [played](const PlayedEntry& entry) { return played < entry.endSample; });
}

std::string TapePlaying::entryText(std::vector<PlayedEntry>::const_iterator entry) const
{
    return std::to_string(entry - entries_.begin() + 1) + " of " + std::to_string(entries_.size()) +
           ": " + entry->title;
}

bool TapePlaying::ended() const
{
    return playback_ == nullptr || playback_->ended();
}

void TapePlaying::stop()
{
    playback_.reset();
}

void TapePlaying::tellHowItEnded()
{
    if (!playback_ || app_ == nullptr || !playback_->failure())
        return;
    const auto at = entryAt(playback_->playedSamples());
    if (at == entries_.end())
        return;  // it stopped once every sample had played: nothing was lost
    const std::string why = *playback_->failure();
    POPMSG(*app_,
           "The sound device stopped before the tape had played, at entry " + entryText(at) + "." +
               (why.empty() ? "" : ";;" + why),
           MessageKind::Inform);
}

}  // namespace murax
