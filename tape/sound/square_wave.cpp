// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/square_wave.h"

#include <algorithm>
#include <cstring>

namespace murax {
namespace {

constexpr std::size_t kPieceBytes = 64 * 1024;  // a whole number of samples of either size

}  // namespace

SquareWave::SquareWave(const SoundFormat& format, const ByteParts::Sink& sink)
    : format_(format), sink_(sink), piece_(kPieceBytes)
{}

void SquareWave::holdUntil(std::uint64_t time)
{
    std::uint64_t count = samplesBefore(time, format_.sampleRate);
    if (count <= samples_)
        return;
    count -= samples_;
    samples_ += count;
    const std::size_t sampleBytes = format_.bytesPerSample();
    while (count > 0 && !failed_) {
        const std::size_t room = (piece_.size() - used_) / sampleBytes;
        const std::size_t run = static_cast<std::size_t>(std::min<std::uint64_t>(count, room));
        unsigned char* out = piece_.data() + used_;
        if (sampleBytes == 1) {
            std::memset(out, high_ ? kHigh8 : kLow8, run);
        } else {
            // Little-endian whatever the machine's order.
            const auto value = static_cast<std::uint16_t>(high_ ? kHigh16 : kLow16);
            const auto low = static_cast<unsigned char>(value & 0xFF);
            const auto high = static_cast<unsigned char>(value >> 8);
            for (std::size_t i = 0; i < run; ++i) {
                out[2 * i] = low;
                out[2 * i + 1] = high;
            }
        }
        used_ += run * sampleBytes;
        count -= run;
        if (used_ == piece_.size())
            flush();
    }
}

bool SquareWave::finish()
{
    flush();
    return !failed_;
}

void SquareWave::flush()
{
    if (used_ > 0 && !failed_)
        failed_ = !sink_(std::string_view(reinterpret_cast<const char*>(piece_.data()), used_));
    used_ = 0;
}

}  // namespace murax
