// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "seam/sound_output.h"

namespace murax {

// Plays `samples` through Qt Multimedia on the system's default sound output, which takes them
// as it needs them; nothing when there is no output, or it cannot play the samples' format.
std::unique_ptr<SoundPlayback> playOnDefaultOutput(SoundSamples& samples);

}  // namespace murax
