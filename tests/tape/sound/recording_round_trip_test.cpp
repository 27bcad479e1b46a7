// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Murax's own sound export read back: at every rate and sample size it writes, and rewritten in
// every sample layout that is read, the blocks come back byte for byte, at standard speed with
// their checksums holding, each at the moment its pilot tone starts in the sound.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tape/sound/block_pulses.h"
#include "tape/sound/recording_reader.h"
#include "tape/sound/tape_sound.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax {
namespace {

// Entries of every kind of bit run: a header and its data of every byte value up and down, a
// screen's worth of noise, blocks of one byte value, a block of a flag and checksum, a lone header.
std::vector<std::string> blocksOfTape()
{
    std::string values;
    for (int i = 0; i < 256; ++i)
        values += static_cast<char>(i);
    const std::string down(values.rbegin(), values.rend());
    std::string noise;
    std::uint32_t x = 7;
    for (int i = 0; i < 6912; ++i) {
        x = x * 1103515245 + 12345;
        noise += static_cast<char>(x >> 16);
    }
    const std::vector<std::string> framedBlocks = {
        testing::headerBlock(3, "every byte", 512, 32768, 0),
        testing::dataBlock(values + down),
        testing::headerBlock(3, "screen", 6912, 16384, 0),
        testing::dataBlock(noise),
        testing::dataBlock(std::string(300, '\0')),
        testing::dataBlock(std::string(300, '\xFF'), 0x7F),
        testing::dataBlock("", 0x80),
        testing::headerBlock(0, "lone", 10, 10, 10),
    };
    std::vector<std::string> blocks;
    for (const std::string& block : framedBlocks)
        blocks.push_back(block.substr(2));
    return blocks;
}

std::string soundFile(const std::vector<std::string>& blocks, const SoundFormat& format)
{
    const std::vector<std::string_view> views(blocks.begin(), blocks.end());
    std::string file;
    tapeSoundFile(views, format)->writeTo([&file](std::string_view piece) {
        file += piece;
        return true;
    });
    return file;
}

void expectTheBlocks(const std::string& file, const std::vector<std::string>& blocks)
{
    MemoryTapeSource source(file);
    const Recording recording = readWholeRecording(source, file.size());
    ASSERT_TRUE(recording.outcome.read()) << recording.outcome.refusal;
    EXPECT_TRUE(recording.leftOut.empty());
    ASSERT_EQ(recording.blocks.size(), blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        SCOPED_TRACE("block " + std::to_string(i));
        EXPECT_EQ(recording.blocks[i].bytes, blocks[i]);
        EXPECT_EQ(recording.blocks[i].verdict, RecordedBlock::Verdict::Ok);
    }
}

class OwnSoundReadBack : public ::testing::TestWithParam<SoundFormat> {};

TEST_P(OwnSoundReadBack, GivesEveryBlockByteForByte)
{
    const std::vector<std::string> blocks = blocksOfTape();
    const std::string file = soundFile(blocks, GetParam());
    MemoryTapeSource source(file);
    const Recording recording = readWholeRecording(source, file.size());
    ASSERT_TRUE(recording.outcome.read()) << recording.outcome.refusal;
    EXPECT_TRUE(recording.leftOut.empty());
    ASSERT_EQ(recording.blocks.size(), blocks.size());
    double pilotStart = 0.5;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        SCOPED_TRACE("block " + std::to_string(i));
        const RecordedBlock& block = recording.blocks[i];
        EXPECT_EQ(block.bytes, blocks[i]);
        EXPECT_EQ(block.verdict, RecordedBlock::Verdict::Ok);
        EXPECT_EQ(block.speed, RecordedBlock::Speed::Standard);
        EXPECT_NEAR(block.startSeconds, pilotStart, 0.002);
        pilotStart += static_cast<double>(pulsesDuration(blocks[i])) / 3.5e6 + 1.0;
    }
}

std::vector<SoundFormat> everyFormatWritten()
{
    std::vector<SoundFormat> formats;
    for (const std::uint32_t rate : kSoundSampleRates)
        for (const std::uint32_t bits : kSoundSampleBits)
            formats.push_back({rate, bits});
    return formats;
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, OwnSoundReadBack, ::testing::ValuesIn(everyFormatWritten()),
                         [](const auto& info) {
                             return std::to_string(info.param.sampleRate) + "Hz" +
                                    std::to_string(info.param.bitsPerSample) + "bit";
                         });

// A sample layout the export does not write: its sample size and encoding, and for stereo what
// each side carries.
struct SampleLayout {
    const char* name;
    unsigned bits;
    bool isFloat = false;
    bool extensible = false;
    // Stereo: each side's share of the signal (0 for a silent side, -1 for the other polarity).
    std::vector<double> sides = {1};
};

void appendNumber(std::string& bytes, std::uint64_t value, unsigned size)
{
    for (unsigned i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The export's 16-bit samples rewritten in `layout`.
std::string rewritten(const std::string& export16, const SampleLayout& layout)
{
    const auto channels = static_cast<unsigned>(layout.sides.size());
    const unsigned frame = channels * layout.bits / 8;
    const std::size_t count = (export16.size() - 44) / 2;
    std::string data;
    for (std::size_t i = 0; i < count; ++i) {
        const auto value =
            static_cast<std::int16_t>(static_cast<unsigned char>(export16[44 + 2 * i]) |
                                      static_cast<unsigned char>(export16[45 + 2 * i]) << 8);
        for (const double side : layout.sides) {
            const double x = side * value / 32768.0;
            if (layout.isFloat) {
                const auto f = static_cast<float>(x);
                std::uint32_t bits;
                std::memcpy(&bits, &f, 4);
                appendNumber(data, bits, 4);
            } else if (layout.bits == 8) {
                appendNumber(data, static_cast<std::uint64_t>(std::lround(128 + 127 * x)), 1);
            } else {
                const double scale = std::ldexp(1.0, static_cast<int>(layout.bits) - 1) - 1;
                appendNumber(data, static_cast<std::uint64_t>(std::llround(x * scale)),
                             layout.bits / 8);
            }
        }
    }
    const std::uint32_t tag = layout.isFloat ? 3 : 1;
    std::string format;
    appendNumber(format, layout.extensible ? 0xFFFE : tag, 2);
    appendNumber(format, channels, 2);
    appendNumber(format, 44100, 4);
    appendNumber(format, 44100 * frame, 4);
    appendNumber(format, frame, 2);
    appendNumber(format, layout.bits, 2);
    if (layout.extensible) {
        appendNumber(format, 22, 2);
        appendNumber(format, layout.bits, 2);
        appendNumber(format, channels == 1 ? 4 : 3, 4);
        appendNumber(format, tag, 2);
        format += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    std::string file = "RIFF";
    appendNumber(file, 4 + 8 + format.size() + 8 + data.size(), 4);
    file += "WAVEfmt ";
    appendNumber(file, format.size(), 4);
    file += format + "data";
    appendNumber(file, data.size(), 4);
    return file + data;
}

class EachSampleLayout : public ::testing::TestWithParam<SampleLayout> {};

TEST_P(EachSampleLayout, GivesEveryBlockByteForByte)
{
    const std::vector<std::string> blocks = blocksOfTape();
    expectTheBlocks(rewritten(soundFile(blocks, {44100, 16}), GetParam()), blocks);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EachSampleLayout,
    ::testing::Values(SampleLayout{"pcm24", 24}, SampleLayout{"pcm32", 32},
                      SampleLayout{"float32", 32, true},
                      SampleLayout{"extensible_pcm24", 24, false, true},
                      SampleLayout{"extensible_float32", 32, true, true},
                      SampleLayout{"stereo_both_sides", 16, false, false, {0.7, 0.7}},
                      SampleLayout{"stereo_sides_opposite", 16, false, false, {0.7, -0.7}},
                      SampleLayout{"stereo_left_silent", 16, false, false, {0, 1}},
                      SampleLayout{"stereo_right_silent_8bit", 8, false, false, {1, 0}},
                      SampleLayout{"stereo_float_one_side_faint", 32, true, false, {0.02, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace murax
