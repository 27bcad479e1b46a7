// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace murax {

// Samples for the sound card: mono PCM, 8-bit unsigned or 16-bit signed little-endian, taken as
// the card needs them.
class SoundSamples {
public:
    virtual ~SoundSamples() = default;
    virtual std::uint32_t sampleRate() const = 0;
    virtual std::uint32_t bitsPerSample() const = 0;
    // Copies the next samples into `out`, at most `bytes` of them; fewer only at the end of the
    // sound, 0 once it has all been taken.
    virtual std::size_t read(char* out, std::size_t bytes) = 0;
};

// The sound card playing samples, from the moment a face's desktop opens it. Destroying it stops
// the sound at once.
class SoundPlayback {
public:
    virtual ~SoundPlayback() = default;
    // How many samples have been played so far.
    virtual std::uint64_t playedSamples() const = 0;
    // True once every sample has been played, or the card has stopped playing them (it went
    // away).
    virtual bool ended() const = 0;
    // Set once the card has stopped before every sample was played: why, in the system's words
    // where it gives any, else empty.
    virtual std::optional<std::string> failure() const = 0;
};

// A sound being played as its small window shows it, while the main window goes on taking edits.
// The face asks for the text a few times a second, turns its Stop button, Esc and the closing
// of the window into stop(), and closes the window once the sound has ended, then calls
// tellHowItEnded().
class PlayingSound {
public:
    virtual ~PlayingSound() = default;
    virtual std::string windowTitle() const = 0;
    // What is playing and the time left, in lines.
    virtual std::string progressText() const = 0;
    virtual bool ended() const = 0;
    virtual void stop() = 0;
    // Tells the user what they need to know of how the sound ended, in a message box of its own:
    // nothing when it played to its end or was stopped.
    virtual void tellHowItEnded() = 0;
};

}  // namespace murax
