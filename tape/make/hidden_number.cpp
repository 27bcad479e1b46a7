// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/make/hidden_number.h"

#include <cmath>
#include <cstdint>

namespace murax {
namespace {

constexpr double kLargestSmallInteger = 65535;
constexpr int kExponentBias = 128;

}  // namespace

std::optional<std::array<unsigned char, 5>> spectrumNumberBytes(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double magnitude = std::fabs(value);
    if (magnitude <= kLargestSmallInteger && magnitude == std::floor(magnitude)) {
        auto word = static_cast<std::uint32_t>(magnitude);
        const bool negative = value < 0;
        if (negative)
            word = (0x10000 - word) & 0xFFFF;
        return std::array<unsigned char, 5>{0, static_cast<unsigned char>(negative ? 0xFF : 0),
                                            static_cast<unsigned char>(word & 0xFF),
                                            static_cast<unsigned char>(word >> 8), 0};
    }
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);  // in [0.5, 1)
    // Exact: scaling by a power of two, and half added to a value below 2^32 with 21 bits to spare.
    const double scaled = std::floor(std::ldexp(fraction, 32) + 0.5);
    // A mantissa that rounds up to 2^32 stays at its largest value rather than carry into the
    // exponent, as the tools that write these numbers do.
    const std::uint32_t mantissa =
        scaled >= 4294967296.0 ? 0xFFFFFFFFu : static_cast<std::uint32_t>(scaled);
    const int biased = exponent + kExponentBias;
    if (biased < 1 || biased > 255)
        return std::nullopt;
    const std::uint32_t signedMantissa = (mantissa & 0x7FFFFFFFu) | (value < 0 ? 0x80000000u : 0);
    return std::array<unsigned char, 5>{static_cast<unsigned char>(biased),
                                        static_cast<unsigned char>(signedMantissa >> 24),
                                        static_cast<unsigned char>(signedMantissa >> 16),
                                        static_cast<unsigned char>(signedMantissa >> 8),
                                        static_cast<unsigned char>(signedMantissa)};
}

}  // namespace murax
