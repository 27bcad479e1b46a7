// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/sample_channels.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace murax {
namespace {

// A channel with this many times less power than the other holds no tape: its noise is left out.
constexpr double kSilentSideRatio = 20;

// Sample `index` of one channel, starting at `at`, scaled to -1..1.
template <unsigned Bytes, bool Float>
void convert(const unsigned char* at, std::size_t count, std::size_t stride, float* out)
{
    for (std::size_t i = 0; i < count; ++i, at += stride) {
        if constexpr (Float) {
            std::uint32_t bits = 0;
            for (unsigned b = 0; b < 4; ++b)
                bits |= static_cast<std::uint32_t>(at[b]) << (8 * b);
            float value;
            std::memcpy(&value, &bits, sizeof value);
            out[i] = std::isfinite(value) ? value : 0.0f;
        } else if constexpr (Bytes == 1) {
            out[i] = (static_cast<float>(at[0]) - 128.0f) / 128.0f;
        } else {
            std::uint32_t bits = 0;
            for (unsigned b = 0; b < Bytes; ++b)
                bits |= static_cast<std::uint32_t>(at[b]) << (8 * b + 32 - 8 * Bytes);
            out[i] = static_cast<float>(static_cast<std::int32_t>(bits)) / 2147483648.0f;
        }
    }
}

void convertChannel(const WavLayout& layout, const unsigned char* at, std::size_t count, float* out)
{
    const std::size_t stride = layout.frameBytes();
    if (layout.encoding == WavLayout::Encoding::Float)
        return convert<4, true>(at, count, stride, out);
    switch (layout.bitsPerSample) {
    case 8:
        return convert<1, false>(at, count, stride, out);
    case 16:
        return convert<2, false>(at, count, stride, out);
    case 24:
        return convert<3, false>(at, count, stride, out);
    default:
        return convert<4, false>(at, count, stride, out);
    }
}

}  // namespace

SampleChannels::SampleChannels(const WavLayout& layout) : layout_(layout) {}

std::span<const float> SampleChannels::mono(std::string_view frames)
{
    const std::size_t count = frames.size() / layout_.frameBytes();
    const auto* bytes = reinterpret_cast<const unsigned char*>(frames.data());
    left_.resize(count);
    convertChannel(layout_, bytes, count, left_.data());
    if (layout_.channels == 1)
        return left_;
    right_.resize(count);
    convertChannel(layout_, bytes + layout_.bitsPerSample / 8, count, right_.data());

    double meanLeft = 0, meanRight = 0;
    for (std::size_t i = 0; i < count; ++i) {
        meanLeft += left_[i];
        meanRight += right_[i];
    }
    meanLeft /= static_cast<double>(count);
    meanRight /= static_cast<double>(count);
    double powerLeft = 0, powerRight = 0, together = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double l = left_[i] - meanLeft, r = right_[i] - meanRight;
        powerLeft += l * l;
        powerRight += r * r;
        together += l * r;
    }
    if (powerRight * kSilentSideRatio < powerLeft)
        return left_;
    if (powerLeft * kSilentSideRatio < powerRight)
        return right_;
    const float sign = together < 0 ? -0.5f : 0.5f;
    for (std::size_t i = 0; i < count; ++i)
        left_[i] = 0.5f * left_[i] + sign * right_[i];
    return left_;
}

}  // namespace murax
