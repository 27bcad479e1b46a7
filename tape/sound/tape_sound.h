// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "support/byte_parts.h"
#include "tape/sound/sound_format.h"

namespace murax {

// The sound of a tape's blocks (each its flag, payload and checksum) as the Spectrum's ROM saves
// them, for a real Spectrum, or any reader of tape sound, to load: half a second of silence,
// then for each block its pilot tone, sync pulses and bits, the edge that closes its last pulse,
// and a second of pause. A block with no byte at all (a length field with nothing after it) has
// nothing to sound and is left out.

// How long the sound lasts, in T-states of the Spectrum's clock.
std::uint64_t tapeSoundDuration(std::span<const std::string_view> blocks);

// How many bytes of samples the sound takes in `format`, without the file's header; nothing when
// that is more than a WAV file can hold, or the format is not one of the supported ones.
std::optional<std::uint64_t> tapeSoundDataBytes(std::span<const std::string_view> blocks,
                                                const SoundFormat& format);

// The WAV file of the sound, made piece by piece while it is written (`blocks` must outlive the
// parts); nothing when the sound does not fit in a WAV file or the format is not supported.
std::optional<ByteParts> tapeSoundFile(std::span<const std::string_view> blocks,
                                       const SoundFormat& format);

}  // namespace murax
