// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "seam/app_context.h"
#include "seam/sound_output.h"
#include "tape/sound/sound_format.h"
#include "tape/sound/tape_sound_stream.h"

namespace murax {

// The play window's one button.
inline constexpr const char* kPlayStopButton = "Stop";

// A tape's sound on its way to the sound card, as Play starts it and its window shows it. The
// samples are made from copies of the entries taken when it is made, with the timings and
// formats of the WAV export, so editing the tape meanwhile changes nothing of what plays.
class TapePlaying : public PlayingSound, public SoundSamples {
public:
    TapePlaying(const std::vector<std::string_view>& entries, const SoundFormat& format);

    // Starts playing on the sound output of the app's desktop; false when it has no sound
    // device. The app tells the user, later, of a sound device that stopped.
    bool start(AppContext& app);

    std::uint32_t sampleRate() const override { return stream_.format().sampleRate; }
    std::uint32_t bitsPerSample() const override { return stream_.format().bitsPerSample; }
    std::size_t read(char* out, std::size_t bytes) override { return stream_.read(out, bytes); }

    std::string windowTitle() const override;
    // "Playing 2 of 5: stripes" and, under it, "0:42 left": the entry whose sound (or the pause
    // after it) the card is playing, by its place among those played, and the time to the end.
    std::string progressText() const override;
    bool ended() const override;
    // Silences the card at once; the sound has ended then.
    void stop() override;
    // A card that stopped before the tape had played: a message saying so, at which entry, and
    // why where the system says.
    void tellHowItEnded() override;

private:
    struct PlayedEntry {
        std::string title;
        std::uint64_t endSample;  // where its sound and the pause after it end
    };

    // The entry whose sound the card is at, after `played` samples; the end once all have played.
    std::vector<PlayedEntry>::const_iterator entryAt(std::uint64_t played) const;
    std::string entryText(std::vector<PlayedEntry>::const_iterator entry) const;

    std::vector<PlayedEntry> entries_;
    TapeSoundStream stream_;
    AppContext* app_ = nullptr;
    std::unique_ptr<SoundPlayback> playback_;
};

// How long `samples` last at `sampleRate`, in whole seconds rounded up, as "m:ss" (or "h:mm:ss").
std::string playTimeText(std::uint64_t samples, std::uint32_t sampleRate);

}  // namespace murax
