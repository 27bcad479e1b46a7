// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/wav_layout.h"

#include <algorithm>
#include <cstdio>

namespace murax {
namespace {

constexpr std::uint32_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
constexpr std::size_t kChunkHeader = 8, kRiffHeader = kWavSignatureBytes;

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::string encodingName(std::uint32_t tag)
{
    switch (tag) {
    case 2:
        return "Microsoft ADPCM";
    case 6:
        return "A-law";
    case 7:
        return "mu-law";
    case 0x11:
        return "IMA ADPCM";
    case 0x31:
        return "GSM 6.10";
    case 0x50:
        return "MPEG";
    case 0x55:
        return "MP3";
    default: {
        char text[32];
        std::snprintf(text, sizeof text, "format tag 0x%04X", static_cast<unsigned>(tag));
        return text;
    }
    }
}

// The tail that every subformat GUID of WAVE_FORMAT_EXTENSIBLE shares; its first two bytes are
// the format tag the subformat stands for.
constexpr std::string_view kSubformatTail{
    "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14};

// The layout that a format chunk's body describes, or why it is not read.
std::variant<WavLayout, std::string> layoutOfFormat(std::string_view body)
{
    if (body.size() < 16)
        return std::string("WAV header cut short: its format chunk is too small");
    std::uint32_t tag = littleEndian(body, 0, 2);
    WavLayout layout;
    layout.channels = littleEndian(body, 2, 2);
    layout.sampleRate = littleEndian(body, 4, 4);
    const std::uint32_t blockAlign = littleEndian(body, 12, 2);
    layout.bitsPerSample = littleEndian(body, 14, 2);
    if (tag == kExtensible) {
        if (body.size() < 40)
            return std::string("WAV header cut short: its extensible format chunk is too small");
        if (body.substr(26, 14) != kSubformatTail)
            return std::string(
                "a WAV file in an unknown encoding (its subformat is not a sound "
                "encoding Murax knows)");
        tag = littleEndian(body, 24, 2);
    }
    if (tag != kPcm && tag != kFloat)
        return "a WAV file in a compressed encoding (" + encodingName(tag) +
               "); only PCM and 32-bit float recordings are read";
    const std::string bits = std::to_string(layout.bitsPerSample);
    if (tag == kFloat) {
        if (layout.bitsPerSample != 32)
            return "a WAV file of " + bits + "-bit float samples; only 32-bit floats are read";
        layout.encoding = WavLayout::Encoding::Float;
    } else if (layout.bitsPerSample != 8 && layout.bitsPerSample != 16 &&
               layout.bitsPerSample != 24 && layout.bitsPerSample != 32) {
        return "a WAV file of " + bits + "-bit samples; 8, 16, 24 and 32 bits are read";
    }
    if (layout.channels != 1 && layout.channels != 2)
        return "a WAV file of " + std::to_string(layout.channels) +
               " channels; mono and stereo recordings are read";
    if (layout.sampleRate < kLowestRecordingRate || layout.sampleRate > kHighestRecordingRate)
        return "a WAV file sampled at " + std::to_string(layout.sampleRate) +
               " Hz; rates from 8000 to 192000 Hz are read";
    if (blockAlign != layout.frameBytes())
        return "a WAV file whose header contradicts itself: " + std::to_string(blockAlign) +
               " bytes a frame for " + std::to_string(layout.channels) + " channels of " + bits +
               " bits";
    return layout;
}

}  // namespace

bool hasWavSignature(std::string_view start)
{
    return start.size() >= kRiffHeader && start.substr(0, 4) == "RIFF" &&
           start.substr(8, 4) == "WAVE";
}

std::variant<WavLayout, std::string> readWavLayout(TapeSource& source,
                                                   std::optional<std::uint64_t> fileSize)
{
    if (!hasWavSignature(source.bytesAt(0, kRiffHeader)))
        return std::string("not a WAV file: it does not begin with RIFF and WAVE");
    std::uint64_t at = kRiffHeader;
    std::optional<WavLayout> layout;
    for (;;) {
        const std::string_view chunk = source.bytesAt(at, kChunkHeader);
        if (chunk.size() < kChunkHeader)
            return std::string("WAV header cut short: the file ends before its sample data");
        const std::string_view id = chunk.substr(0, 4);
        const std::uint64_t size = littleEndian(chunk, 4, 4);
        at += kChunkHeader;
        if (id == "fmt ") {
            // The fields read lie in the first 40 bytes; the rest (if any) is skipped.
            const std::string_view body =
                source.bytesAt(at, static_cast<std::size_t>(std::min<std::uint64_t>(size, 40)));
            if (body.size() < std::min<std::uint64_t>(size, 40))
                return std::string("WAV header cut short: the file ends in its format chunk");
            auto read = layoutOfFormat(body);
            if (auto* refusal = std::get_if<std::string>(&read))
                return std::move(*refusal);
            layout = std::get<WavLayout>(read);
        } else if (id == "data") {
            if (!layout)
                return std::string("a WAV file whose sample data comes before its format chunk");
            layout->dataOffset = at;
            layout->dataBytes = size - size % layout->frameBytes();
            layout->dataChunkBytes = size;
            if (fileSize && at + size > *fileSize)
                return "a WAV file whose data size lies: its header says " + std::to_string(size) +
                       " bytes of samples, the file holds " +
                       std::to_string(*fileSize > at ? *fileSize - at : 0);
            return *layout;
        }
        at += size + size % 2;  // a chunk of odd size is followed by a pad byte
    }
}

}  // namespace murax
