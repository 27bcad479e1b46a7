// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "tape/sound/wav_layout.h"

namespace murax {

// A recording's frames as one channel of samples from -1 to 1. Of a stereo recording it takes,
// piece by piece, the channel that carries the tape when the other is (nearly) silent, or both
// together when both do: added, or one taken from the other where they are of opposite polarity,
// so that they strengthen each other instead of cancelling out.
class SampleChannels {
public:
    explicit SampleChannels(const WavLayout& layout);

    // The samples of whole frames; valid until the next call.
    std::span<const float> mono(std::string_view frames);

private:
    WavLayout layout_;
    std::vector<float> left_, right_;
};

}  // namespace murax
