// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Murax's own sound export read back: at every rate and sample size it writes, and rewritten in
// every sample layout that is read, the blocks come back byte for byte, at standard speed with
// their checksums holding, each at the moment its pilot tone starts in the sound.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tape/sound/block_pulses.h"
#include "tape/sound/recording_reader.h"
#include "tape/sound/tape_sound.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/support/helpers/worn_recording.h"

namespace murax {
namespace {

// Entries of every kind of bit run: a header and its data of every byte value up and down, a
// screen's worth of noise, blocks of one byte value, a block of a flag and checksum, a lone header.
std::vector<std::string> blocksOfTape()
{
    std::string values, noise;
    for (int i = 0; i < 512; ++i)
        values += static_cast<char>(i < 256 ? i : 511 - i);
    for (std::uint32_t i = 0, x = 7; i < 6912; ++i)
        noise += static_cast<char>((x = x * 1103515245 + 12345) >> 16);
    std::vector<std::string> blocks;
    for (const std::string& block :
         {testing::headerBlock(3, "every byte", 512, 32768, 0), testing::dataBlock(values),
          testing::headerBlock(3, "screen", 6912, 16384, 0), testing::dataBlock(noise),
          testing::dataBlock(std::string(300, '\0')),
          testing::dataBlock(std::string(300, '\xFF'), 0x7F), testing::dataBlock("", 0x80),
          testing::headerBlock(0, "lone", 10, 10, 10)})
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

// Each block back byte for byte, whole, at standard speed, found where its pilot tone starts.
void expectTheBlocks(const std::string& file, const std::vector<std::string>& blocks)
{
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

class OwnSoundReadBack : public ::testing::TestWithParam<SoundFormat> {};

TEST_P(OwnSoundReadBack, GivesEveryBlockByteForByte)
{
    const std::vector<std::string> blocks = blocksOfTape();
    expectTheBlocks(soundFile(blocks, GetParam()), blocks);
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

// The export rewritten in a sample layout it does not write; for stereo, each side's share of
// the signal (0 for a silent side, -1 for the other polarity).
struct LayoutCase {
    const char* name;
    testing::SampleLayout layout;
    std::vector<double> sides = {1};
};

class EachSampleLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(EachSampleLayout, GivesEveryBlockByteForByte)
{
    const std::vector<std::string> blocks = blocksOfTape();
    const std::vector<std::string_view> views(blocks.begin(), blocks.end());
    const std::vector<double> samples = testing::exportedSamples(views);
    std::vector<std::vector<double>> channels;
    for (const double side : GetParam().sides) {
        channels.push_back(samples);
        for (double& x : channels.back())
            x *= side;
    }
    expectTheBlocks(testing::wavFile(channels, GetParam().layout), blocks);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EachSampleLayout,
    ::testing::Values(LayoutCase{"pcm24", {24}}, LayoutCase{"pcm32", {32}},
                      LayoutCase{"float32", {32, true}},
                      LayoutCase{"extensible_pcm24", {24, false, true}},
                      LayoutCase{"extensible_float32_stereo", {32, true, true}, {0.7, 0.7}},
                      LayoutCase{"stereo_both_sides", {16}, {0.7, 0.7}},
                      LayoutCase{"stereo_sides_opposite", {16}, {0.7, -0.7}},
                      LayoutCase{"stereo_right_silent_8bit", {8}, {1, 0}},
                      LayoutCase{"stereo_float_one_side_faint", {32, true}, {0.02, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace murax
