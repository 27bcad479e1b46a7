// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Recordings of a tape as a real cassette and sound card make them: the tape's exported sound
// (44.1 kHz, 16 bits) put through one kind of wear, or all of them at once, with noise drawn from
// a fixed seed so that every run makes the same file. For the decoder's tests and benchmark.
namespace murax::testing {

enum class Wear {
    None,
    Inverted,      // the polarity turned over
    Clipped,       // far too loud, flattened at the top and bottom
    Quiet,         // 46 dB too quiet, a few dozen steps of the 16 bits
    DcOffset,      // the middle shifted by a fifth of the range
    Fast,          // the tape running 10% fast
    Slow,          // and 10% slow
    WowFlutter,    // the speed wavering slowly (3% at 0.7 Hz) and fast (0.6% at 9 Hz)
    HeadAndInput,  // a tape head's rounded, phase-shifted edges and an AC-coupled input
    Hiss,          // white noise a fifth of the signal's level (RMS)
    Hum,           // 50 Hz mains hum and its third harmonic, a third of the signal's level
    Fading,        // the level fading to a tenth and back every six seconds
    SilentSide,    // stereo, the tape on the right, the left side silent but for faint noise
    All,           // all of these together (at a level between loud and quiet, 7% fast)
};

std::vector<Wear> everyWear();
std::string wearName(Wear wear);

// The WAV file of the blocks' (flag, payload, checksum) sound, worn.
std::string wornRecording(std::span<const std::string_view> blocks, Wear wear, std::uint32_t seed);

}  // namespace murax::testing
