// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace murax {

// A pulse of a recorded tape signal: the time between two edges.
struct Pulse {
    double length = 0;      // in T-states of the Spectrum's clock, at the recording's rate
    double endSeconds = 0;  // when the edge that ends it sounded
};

// Finds the edges of a tape signal in a recording's samples (one channel, -1 to 1) as they come,
// whatever the signal's polarity, level or offset: a high-pass filter takes out a DC offset and
// most mains hum, a low-pass filter most hiss, and a trigger with hysteresis that follows the
// signal's level (so a quiet or fading recording is read as a loud one) takes an edge only where
// the signal swings from one side to the other. The edge is timed where the signal crosses its
// middle, between samples, so that a recording at a low rate keeps its pulses' lengths.
class EdgeFinder {
public:
    explicit EdgeFinder(std::uint32_t sampleRate);

    // Appends to `pulses` each pulse that the samples end.
    void feed(std::span<const float> samples, std::vector<Pulse>& pulses);

private:
    double tStatesPerSample_;
    double secondsPerSample_;
    // High-pass: y = a * (y + x - x_previous).
    float highPass_;
    float highX_ = 0, highY_ = 0;
    // Low-pass, a biquad (Butterworth), left out where the rate is too low for it to help.
    bool lowPassOn_;
    float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    float z1_ = 0, z2_ = 0;
    // The level the signal swings to, decaying between its peaks.
    float level_ = 0;
    float levelDecay_;
    float previous_ = 0;
    // The trigger's middle lies between the peaks of the last pulse above it and the last one
    // below it, so that it follows what is left of an offset or hum from one pulse to the next;
    // the swing between them, which sets the hysteresis, is averaged over a few pulses, so that a
    // peak of hiss does not raise it past the next pulse's.
    float peak_ = 0, highPeak_ = 0, lowPeak_ = 0, middle_ = 0, swing_ = 0;
    bool high_ = false;
    std::uint64_t sample_ = 0;  // samples fed so far
    double lastCrossing_ = 0;   // where the signal last crossed its middle, in samples
    double lastEdge_ = 0;
};

}  // namespace murax
