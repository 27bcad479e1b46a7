// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound of blocks as the ROM saves them, read back from the WAV bytes: its header, its two
// levels, and every edge at the sample where its exact time falls, worked out here from the
// ROM's timings alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tape/sound/tape_sound.h"

namespace murax {
namespace {

constexpr std::uint64_t kClock = 3'500'000;

std::uint32_t numberAt(std::string_view bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// The whole file, gathered from its pieces.
std::string soundFile(const std::vector<std::string_view>& blocks, const SoundFormat& format)
{
    const std::optional<ByteParts> parts = tapeSoundFile(blocks, format);
    EXPECT_TRUE(parts.has_value());
    std::string file;
    if (parts) {
        EXPECT_TRUE(parts->writeTo([&file](std::string_view piece) {
            file += piece;
            return true;
        }));
    }
    return file;
}

// The times of the edges the ROM makes of `blocks`, in T-states from the start: half a second of
// silence; a pilot of 2168-T pulses, 8063 before a flag below 128 and 3223 otherwise; sync pulses
// of 667 and 735; two pulses of 855 (0) or 1710 (1) per bit, the top bit first; each pulse ends
// in an edge, the last one leaving the level high, and 1 ms later the level goes low for the
// rest of a second's pause.
struct ExpectedSound {
    std::vector<std::uint64_t> edges;
    std::uint64_t end = 0;
};

ExpectedSound expectedSound(const std::vector<std::string_view>& blocks)
{
    ExpectedSound sound;
    std::uint64_t t = kClock / 2;
    auto pulse = [&](std::uint64_t length) {
        t += length;
        sound.edges.push_back(t);
    };
    for (const std::string_view block : blocks) {
        if (block.empty())
            continue;
        const int pilots = static_cast<unsigned char>(block[0]) < 128 ? 8063 : 3223;
        for (int i = 0; i < pilots; ++i)
            pulse(2168);
        pulse(667);
        pulse(735);
        for (const char c : block)
            for (int bit = 7; bit >= 0; --bit) {
                pulse((c >> bit) & 1 ? 1710 : 855);
                pulse((c >> bit) & 1 ? 1710 : 855);
            }
        sound.edges.push_back(t + kClock / 1000);
        t += kClock;
    }
    sound.end = t;
    return sound;
}

// The first sample at or after time t.
std::uint64_t sampleAt(std::uint64_t t, std::uint32_t rate)
{
    return (t * rate + kClock - 1) / kClock;
}

struct SoundCase {
    const char* name;
    std::vector<std::string> blocks;
    SoundFormat format;
};

std::string everyByteValue()
{
    std::string block(1, '\xFF');
    for (int i = 0; i < 256; ++i)
        block += static_cast<char>(i);
    return block;
}

std::string randomBlock(std::size_t size)
{
    std::string block(size, '\0');
    std::uint32_t x = 12345;
    for (char& c : block) {
        x = x * 1103515245 + 12345;
        c = static_cast<char>(x >> 16);
    }
    block[0] = '\xFF';
    return block;
}

TEST(TapeSound, EveryEdgeFallsOnTheSampleOfItsExactTime)
{
    const std::string header = std::string("\0\3name      \x05\0\0\x80\0\x80", 18) + "\x2A";
    const SoundCase cases[] = {
        {"a header and its data, 44.1 kHz 16 bits", {header, "\xFF\x01\x02\x80\x7F"}, {44100, 16}},
        {"every byte value, 22.05 kHz 8 bits", {everyByteValue()}, {22050, 8}},
        {"flags 127 and 128 on either side of the header pilot, 48 kHz 16 bits",
         {"\x7F\xAA", "\x80\x55"},
         {48000, 16}},
        {"a long block keeps to the sample to its end, 22.05 kHz 8 bits",
         {randomBlock(65535)},
         {22050, 8}},
        {"blocks without a byte are left out, 48 kHz 8 bits", {"", "\x00\x0F", ""}, {48000, 8}},
        {"no block: the silence alone, with a pad byte, 22.05 kHz 8 bits", {}, {22050, 8}},
    };
    for (const SoundCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string_view> blocks(c.blocks.begin(), c.blocks.end());
        const std::string file = soundFile(blocks, c.format);
        const std::uint32_t rate = c.format.sampleRate, size = c.format.bitsPerSample / 8;
        const ExpectedSound expected = expectedSound(blocks);
        const std::uint64_t samples = sampleAt(expected.end, rate);

        // The header: mono PCM in the format, sizes that count the samples and the pad byte.
        ASSERT_GE(file.size(), 44u);
        const std::uint32_t dataBytes = numberAt(file, 40, 4);
        EXPECT_EQ(file.substr(0, 4), "RIFF");
        EXPECT_EQ(numberAt(file, 4, 4), file.size() - 8);
        EXPECT_EQ(file.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(numberAt(file, 16, 4), 16u);
        EXPECT_EQ(numberAt(file, 20, 2), 1u);  // PCM
        EXPECT_EQ(numberAt(file, 22, 2), 1u);  // mono
        EXPECT_EQ(numberAt(file, 24, 4), rate);
        EXPECT_EQ(numberAt(file, 28, 4), rate * size);
        EXPECT_EQ(numberAt(file, 32, 2), size);
        EXPECT_EQ(numberAt(file, 34, 2), c.format.bitsPerSample);
        EXPECT_EQ(file.substr(36, 4), "data");
        EXPECT_EQ(dataBytes, samples * size);
        EXPECT_EQ(file.size(), 44 + dataBytes + dataBytes % 2);
        EXPECT_EQ(tapeSoundDataBytes(blocks, c.format), std::optional<std::uint64_t>(dataBytes));

        // The samples: two levels only, low first, changing exactly where the edges fall.
        const std::string_view data = std::string_view(file).substr(44, dataBytes);
        const std::string low = size == 1 ? std::string("\x20") : std::string("\x00\xA0", 2);
        const std::string high = size == 1 ? std::string("\xE0") : std::string("\x00\x60", 2);
        std::vector<std::uint64_t> edges;
        bool isHigh = false;
        for (std::uint64_t i = 0; i < samples; ++i) {
            const std::string_view sample = data.substr(i * size, size);
            if (sample != (isHigh ? high : low)) {
                ASSERT_EQ(sample, isHigh ? low : high) << "a third level at sample " << i;
                isHigh = !isHigh;
                edges.push_back(i);
            }
        }
        EXPECT_FALSE(isHigh) << "the sound ends high";
        ASSERT_EQ(edges.size(), expected.edges.size());
        for (std::size_t i = 0; i < edges.size(); ++i)
            ASSERT_EQ(edges[i], sampleAt(expected.edges[i], rate)) << "edge " << i;
    }
}

TEST(TapeSound, AnUnsupportedFormatOrASoundLongerThanAWavFileHoldsIsRefused)
{
    const std::vector<std::string_view> one{"\xFF\x01"};
    for (const SoundFormat format :
         {SoundFormat{44100, 12}, SoundFormat{44100, 0}, SoundFormat{8000, 16}, SoundFormat{0, 8}})
        EXPECT_FALSE(tapeSoundFile(one, format).has_value())
            << format.sampleRate << " Hz, " << format.bitsPerSample << " bits";

    // 90 blocks of 65535 set bytes last about 12.5 hours: 4.3 GB at 48 kHz in 16 bits, 1 GB at
    // 22.05 kHz in 8 bits.
    const std::string ones(65535, '\xFF');
    const std::vector<std::string_view> blocks(90, ones);
    EXPECT_FALSE(tapeSoundDataBytes(blocks, {48000, 16}).has_value());
    EXPECT_FALSE(tapeSoundFile(blocks, {48000, 16}).has_value());
    const auto small = tapeSoundDataBytes(blocks, {22050, 8});
    ASSERT_TRUE(small.has_value());
    EXPECT_GT(*small, 900'000'000u);
    EXPECT_TRUE(tapeSoundFile(blocks, {22050, 8}).has_value());
}

TEST(TapeSound, TheFileComesInBoundedPiecesTheSameEachTimeAndStopsWhenRefused)
{
    const std::string block = randomBlock(2000);
    const std::vector<std::string_view> blocks{block, block};
    const std::optional<ByteParts> parts = tapeSoundFile(blocks, {48000, 16});
    ASSERT_TRUE(parts.has_value());
    std::vector<std::string> runs(2);
    std::size_t largest = 0, pieces = 0;
    for (std::string& run : runs)
        EXPECT_TRUE(parts->writeTo([&](std::string_view piece) {
            largest = std::max(largest, piece.size());
            ++pieces;
            run += piece;
            return true;
        }));
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_GT(runs[0].size(), 2'000'000u);
    EXPECT_LE(largest, 64u * 1024);

    std::size_t asked = 0;
    EXPECT_FALSE(parts->writeTo([&asked](std::string_view) { return ++asked < 3; }));
    EXPECT_EQ(asked, 3u);
}

}  // namespace
}  // namespace murax
