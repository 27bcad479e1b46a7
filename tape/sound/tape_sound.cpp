// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/tape_sound.h"

#include "tape/sound/block_pulses.h"
#include "tape/sound/square_wave.h"
#include "tape/sound/tape_edges.h"
#include "tape/sound/wav_header.h"

namespace murax {
namespace {

bool writeSound(std::span<const std::string_view> blocks, const SoundFormat& format,
                std::uint64_t dataBytes, const ByteParts::Sink& sink)
{
    if (!sink(wavHeader(format, dataBytes)))
        return false;
    SquareWave wave(format, sink);
    TapeEdges edges(blocks);
    while (const std::optional<std::uint64_t> edge = edges.next()) {
        wave.holdUntil(*edge);
        wave.toggle();
    }
    wave.holdUntil(tapeSoundDuration(blocks));
    if (!wave.finish())
        return false;
    return dataBytes % 2 == 0 || sink(std::string_view("\0", 1));
}

}  // namespace

std::uint64_t tapeSoundDuration(std::span<const std::string_view> blocks)
{
    std::uint64_t time = kSilenceBeforeTape;
    for (const std::string_view block : blocks)
        if (!block.empty())
            time += pulsesDuration(block) + kPauseAfterBlock;
    return time;
}

std::optional<std::uint64_t> tapeSoundDataBytes(std::span<const std::string_view> blocks,
                                                const SoundFormat& format)
{
    if (!isSupportedSoundFormat(format))
        return std::nullopt;
    const std::uint64_t bytes =
        samplesBefore(tapeSoundDuration(blocks), format.sampleRate) * format.bytesPerSample();
    if (bytes > kMostWavDataBytes)
        return std::nullopt;
    return bytes;
}

std::optional<ByteParts> tapeSoundFile(std::span<const std::string_view> blocks,
                                       const SoundFormat& format)
{
    const std::optional<std::uint64_t> dataBytes = tapeSoundDataBytes(blocks, format);
    if (!dataBytes)
        return std::nullopt;
    return ByteParts([blocks, format, size = *dataBytes](const ByteParts::Sink& sink) {
        return writeSound(blocks, format, size, sink);
    });
}

}  // namespace murax
