// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/wav_header.h"

namespace murax {
namespace {

void appendLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string wavHeader(const SoundFormat& format, std::uint64_t dataBytes)
{
    constexpr std::uint32_t kPcm = 1, kMono = 1, kFormatChunkSize = 16;
    const auto data = static_cast<std::uint32_t>(dataBytes);
    const std::uint32_t pad = data % 2;
    std::string header;
    header += "RIFF";
    appendLittleEndian(header, 4 + (8 + kFormatChunkSize) + (8 + data + pad), 4);
    header += "WAVE";
    header += "fmt ";
    appendLittleEndian(header, kFormatChunkSize, 4);
    appendLittleEndian(header, kPcm, 2);
    appendLittleEndian(header, kMono, 2);
    appendLittleEndian(header, format.sampleRate, 4);
    appendLittleEndian(header, format.sampleRate * format.bytesPerSample(), 4);
    appendLittleEndian(header, format.bytesPerSample(), 2);
    appendLittleEndian(header, format.bitsPerSample, 2);
    header += "data";
    appendLittleEndian(header, data, 4);
    return header;
}

}  // namespace murax
