// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/edge_finder.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tape/sound/loader_timing.h"

namespace murax {
namespace {

// Below the pilot tone (807 Hz) and the bits (1 and 2 kHz), above mains hum (50 or 60 Hz) far
// enough to weaken it to a sixth. A first-order filter never makes a square wave's level cross
// back between its edges, as a steeper one would.
constexpr double kHighPassHz = 300;
// Above the fastest bit's harmonics that shape its edges (2 kHz), below most of the hiss.
constexpr double kLowPassHz = 6000;
// How long the level the trigger follows takes to fall to a third: far longer than the longest
// pulse, far shorter than a recording's fading in and out.
constexpr double kLevelFallSeconds = 0.03;
// The trigger fires once the signal has swung past the middle between the last two peaks by this
// share of the distance between them, and by this share of its level in the last moments.
constexpr float kHysteresis = 0.15f;
constexpr float kLevelShare = 0.1f;
// Below this the signal is taken as silence: a 16-bit recording's own noise stays under it.
constexpr float kQuietest = 2e-4f;

}  // namespace

EdgeFinder::EdgeFinder(std::uint32_t sampleRate)
    : tStatesPerSample_(static_cast<double>(kSpectrumClockHz) / sampleRate),
      secondsPerSample_(1.0 / sampleRate),
      highPass_(static_cast<float>(1.0 / (1.0 + 2 * std::numbers::pi * kHighPassHz / sampleRate))),
      lowPassOn_(kLowPassHz < 0.4 * sampleRate),
      levelDecay_(static_cast<float>(std::exp(-1.0 / (kLevelFallSeconds * sampleRate))))
{
    if (lowPassOn_) {
        const double k = std::tan(std::numbers::pi * kLowPassHz / sampleRate);
        const double q = std::numbers::sqrt2 / 2;
        const double norm = 1 / (1 + k / q + k * k);
        b0_ = static_cast<float>(k * k * norm);
        b1_ = 2 * b0_;
        b2_ = b0_;
        a1_ = static_cast<float>(2 * (k * k - 1) * norm);
        a2_ = static_cast<float>((1 - k / q + k * k) * norm);
    }
}

void EdgeFinder::feed(std::span<const float> samples, std::vector<Pulse>& pulses)
{
    float highX = highX_, highY = highY_, z1 = z1_, z2 = z2_, level = level_, previous = previous_;
    float peak = peak_, middle = middle_, swing = swing_;
    bool high = high_;
    std::uint64_t at = sample_;
    for (const float x : samples) {
        highY = highPass_ * (highY + x - highX);
        highX = x;
        float y = highY;
        if (lowPassOn_) {
            // Transposed direct form II.
            const float out = b0_ * y + z1;
            z1 = b1_ * y - a1_ * out + z2;
            z2 = b2_ * y - a2_ * out;
            y = out;
        }
        level = std::max(std::abs(y), level * levelDecay_);
        peak = high ? std::max(peak, y) : std::min(peak, y);
        const float now = y - middle, before = previous - middle;
        if ((now >= 0) != (before >= 0))
            lastCrossing_ = static_cast<double>(at) - 1 + before / (before - now);
        const float threshold = std::max({swing * kHysteresis, level * kLevelShare, kQuietest});
        if (high ? now < -threshold : now > threshold) {
            const double edge = std::max(lastCrossing_, lastEdge_);
            pulses.push_back({(edge - lastEdge_) * tStatesPerSample_, edge * secondsPerSample_});
            lastEdge_ = edge;
            (high ? highPeak_ : lowPeak_) = peak;
            high = !high;
            peak = y;
            middle = (highPeak_ + lowPeak_) / 2;
            swing += (highPeak_ - lowPeak_ - swing) / 4;
        }
        previous = y;
        ++at;
    }
    highX_ = highX;
    highY_ = highY;
    z1_ = z1;
    z2_ = z2;
    level_ = level;
    previous_ = previous;
    peak_ = peak;
    middle_ = middle;
    swing_ = swing;
    high_ = high;
    sample_ = at;
}

}  // namespace murax
