// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/helpers/worn_recording.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <numbers>
#include <random>

#include "tape/sound/tape_sound.h"

namespace murax::testing {
namespace {

constexpr double kRate = 44100;
constexpr std::size_t kHeaderBytes = 44;

// The sound played at a speed that may change with time: `speed(t)` of the original's.
template <class Speed>
std::vector<double> played(const std::vector<double>& in, Speed speed)
{
    std::vector<double> out;
    out.reserve(static_cast<std::size_t>(static_cast<double>(in.size()) / speed(0.0)) + 16);
    for (double at = 0; at + 1 < static_cast<double>(in.size());
         at += speed(static_cast<double>(out.size()) / kRate)) {
        const auto i = static_cast<std::size_t>(at);
        const double f = at - static_cast<double>(i);
        out.push_back(in[i] * (1 - f) + in[i + 1] * f);
    }
    return out;
}

double wowAndFlutter(double t)
{
    return 1 + 0.03 * std::sin(2 * std::numbers::pi * 0.7 * t) +
           0.006 * std::sin(2 * std::numbers::pi * 9 * t);
}

// First-order filters at `hz`: a low pass, a high pass and an all-pass (which only shifts the
// phase, more for the higher tones).
void lowPass(std::vector<double>& s, double hz)
{
    const double a = 1 - std::exp(-2 * std::numbers::pi * hz / kRate);
    double y = 0;
    for (double& x : s)
        x = y += a * (x - y);
}

void highPass(std::vector<double>& s, double hz)
{
    const double a = 1 / (1 + 2 * std::numbers::pi * hz / kRate);
    double y = 0, previous = 0;
    for (double& x : s) {
        y = a * (y + x - previous);
        previous = x;
        x = y;
    }
}

void allPass(std::vector<double>& s, double hz)
{
    const double t = std::tan(std::numbers::pi * hz / kRate), c = (t - 1) / (t + 1);
    double previousIn = 0, previousOut = 0;
    for (double& x : s) {
        const double out = c * x + previousIn - c * previousOut;
        previousIn = x;
        previousOut = out;
        x = out;
    }
}

void headAndInput(std::vector<double>& s)
{
    lowPass(s, 5000);
    lowPass(s, 5000);
    allPass(s, 1500);
    highPass(s, 60);
}

void hiss(std::vector<double>& s, double level, std::mt19937& random)
{
    std::normal_distribution<double> noise(0, level);
    for (double& x : s)
        x += noise(random);
}

void hum(std::vector<double>& s, double level, std::mt19937& random)
{
    const double phase = std::uniform_real_distribution<double>(0, 6.28)(random);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = 2 * std::numbers::pi * 50 * static_cast<double>(i) / kRate + phase;
        s[i] += level * (std::sin(t) + 0.3 * std::sin(3 * t));
    }
}

void fading(std::vector<double>& s)
{
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] *= 0.55 + 0.45 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / kRate / 6);
}

void scale(std::vector<double>& s, double gain, double offset = 0)
{
    for (double& x : s)
        x = x * gain + offset;
}

void appendLittleEndian(std::string& bytes, std::uint64_t value, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::vector<double> exportedSamples(std::span<const std::string_view> blocks)
{
    std::string file;
    tapeSoundFile(blocks, {44100, 16})->writeTo([&file](std::string_view piece) {
        file += piece;
        return true;
    });
    std::vector<double> samples((file.size() - kHeaderBytes) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<unsigned char>(file[kHeaderBytes + 2 * i]);
        const auto high = static_cast<unsigned char>(file[kHeaderBytes + 2 * i + 1]);
        samples[i] = static_cast<std::int16_t>(low | high << 8) / 32768.0;
    }
    return samples;
}

std::string wavFile(const std::vector<std::vector<double>>& channels, const SampleLayout& layout)
{
    const auto count = static_cast<std::uint32_t>(channels.size());
    const std::uint32_t frame = count * layout.bits / 8;
    const std::uint32_t tag = layout.isFloat ? 3 : 1;
    std::string format;
    appendLittleEndian(format, layout.extensible ? 0xFFFE : tag, 2);
    appendLittleEndian(format, count, 2);
    appendLittleEndian(format, static_cast<std::uint32_t>(kRate), 4);
    appendLittleEndian(format, static_cast<std::uint32_t>(kRate) * frame, 4);
    appendLittleEndian(format, frame, 2);
    appendLittleEndian(format, layout.bits, 2);
    if (layout.extensible) {
        appendLittleEndian(format, 22, 2);
        appendLittleEndian(format, layout.bits, 2);
        appendLittleEndian(format, count == 1 ? 4 : 3,
                           4);  // the speakers: centre, or left and right
        appendLittleEndian(format, tag, 2);
        format += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    const std::size_t dataBytes = channels[0].size() * frame;
    std::string file = "RIFF";
    appendLittleEndian(file, 4 + 8 + format.size() + 8 + dataBytes, 4);
    file += "WAVEfmt ";
    appendLittleEndian(file, format.size(), 4);
    file += format + "data";
    appendLittleEndian(file, dataBytes, 4);
    file.reserve(file.size() + dataBytes);
    const double full = std::ldexp(1.0, static_cast<int>(layout.bits) - 1);
    for (std::size_t i = 0; i < channels[0].size(); ++i)
        for (const std::vector<double>& channel : channels) {
            const double x = std::clamp(channel[i], -1.0, 1 - 1 / full);
            if (layout.isFloat) {
                const auto f = static_cast<float>(x);
                std::uint32_t bits = 0;
                std::memcpy(&bits, &f, 4);
                appendLittleEndian(file, bits, 4);
            } else {
                // 8-bit samples are unsigned, centred on 128.
                const auto value = static_cast<std::uint64_t>(std::llround(x * full)) +
                                   (layout.bits == 8 ? 128 : 0);
                appendLittleEndian(file, value, layout.bits / 8);
            }
        }
    return file;
}

std::vector<Wear> everyWear()
{
    std::vector<Wear> wears;
    for (int wear = 0; wear <= static_cast<int>(Wear::All); ++wear)
        wears.push_back(static_cast<Wear>(wear));
    return wears;
}

std::string wearName(Wear wear)
{
    static constexpr const char* kNames[] = {
        "none",        "inverted",    "clipped",           "quiet", "dc_offset", "fast_10pc",
        "slow_10pc",   "wow_flutter", "head_and_ac_input", "hiss",  "mains_hum", "fading",
        "silent_side", "all_together"};
    static_assert(std::size(kNames) == static_cast<std::size_t>(Wear::All) + 1);
    return kNames[static_cast<std::size_t>(wear)];
}

std::string wornRecording(std::span<const std::string_view> blocks, Wear wear, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<double> s = exportedSamples(blocks);
    // The export's level, for noise and hum measured against the signal.
    const double level = 24576.0 / 32768;
    switch (wear) {
    case Wear::None:
        break;
    case Wear::Inverted:
        scale(s, -1);
        break;
    case Wear::Clipped:
        headAndInput(s);
        scale(s, 4);
        break;
    case Wear::Quiet:
        scale(s, 1.0 / 200);
        break;
    case Wear::DcOffset:
        scale(s, 0.7, 0.2);
        break;
    case Wear::Fast:
        s = played(s, [](double) { return 1.1; });
        break;
    case Wear::Slow:
        s = played(s, [](double) { return 0.9; });
        break;
    case Wear::WowFlutter:
        s = played(s, wowAndFlutter);
        break;
    case Wear::HeadAndInput:
        headAndInput(s);
        break;
    case Wear::Hiss:
        hiss(s, level / 5, random);
        break;
    case Wear::Hum:
        hum(s, level / 3, random);
        break;
    case Wear::Fading:
        fading(s);
        break;
    case Wear::SilentSide: {
        std::vector<double> silent(s.size());
        hiss(silent, 1e-4, random);
        return wavFile({silent, s});
    }
    case Wear::All: {
        // Hiss is on the tape, so it fades with the signal as the head loses contact; hum comes
        // from the sound card's side and stays.
        s = played(s, [](double t) { return 1.07 * wowAndFlutter(t); });
        hiss(s, level / 8, random);
        headAndInput(s);
        fading(s);
        scale(s, -0.4);
        hum(s, 0.4 * level / 3, random);
        scale(s, 1, 0.1);
        std::vector<double> silent(s.size());
        hiss(silent, 1e-4, random);
        return wavFile({silent, s});
    }
    }
    return wavFile({s});
}

}  // namespace murax::testing
