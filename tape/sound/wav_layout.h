// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "tape/format/tape_source.h"

namespace murax {

// How a WAV file's samples lie: what reading them takes, found in its header.
struct WavLayout {
    enum class Encoding { Integer, Float };
    Encoding encoding = Encoding::Integer;
    std::uint32_t sampleRate = 0;
    unsigned channels = 0;             // 1 or 2
    unsigned bitsPerSample = 0;        // 8, 16, 24 or 32; 32 for floats
    std::uint64_t dataOffset = 0;      // of the first sample byte, from the file's start
    std::uint64_t dataBytes = 0;       // whole frames only
    std::uint64_t dataChunkBytes = 0;  // what the header says, a part of a frame at the end too

    unsigned frameBytes() const { return channels * (bitsPerSample / 8); }
    std::uint64_t frames() const { return dataBytes / frameBytes(); }
    double seconds() const { return static_cast<double>(frames()) / sampleRate; }
};

// Whether the bytes begin as a WAV file does ("RIFF", a size, "WAVE"), whatever its name; the
// signature takes the file's first kWavSignatureBytes.
inline constexpr std::size_t kWavSignatureBytes = 12;
bool hasWavSignature(std::string_view start);

// The lowest and highest sample rates read.
inline constexpr std::uint32_t kLowestRecordingRate = 8000;
inline constexpr std::uint32_t kHighestRecordingRate = 192000;

// Reads the header of the WAV file that `source` gives from its start, up to its sample data: the
// layout, or a sentence that says why the recording cannot be read (not a WAV file, a compressed
// or otherwise unread encoding, a header cut short, a data size larger than the file). The size of
// the file, when it is known, is held against the data size at once; a pipe's is found out only
// when its samples are read.
std::variant<WavLayout, std::string> readWavLayout(TapeSource& source,
                                                   std::optional<std::uint64_t> fileSize);

}  // namespace murax
