// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Murax's own sound export read back: at every rate and sample size it writes, and rewritten in
// the layouts it does not write (24 and 32 bits, float, extensible, stereo), the blocks come back
// byte for byte, at standard speed with their checksums holding, each where its pilot starts.
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

// The export at one of the rates and sample sizes it writes or, with `sides`, its 44.1 kHz sound
// rewritten in a sample layout it does not write: for stereo, each side's share of the signal
// (0 for a silent side, -1 for the other polarity).
struct Sound {
    std::string name;
    SoundFormat format;
    testing::SampleLayout layout = {};
    std::vector<double> sides = {};
};

std::vector<Sound> everySound()
{
    std::vector<Sound> sounds;
    for (const std::uint32_t rate : kSoundSampleRates)
        for (const std::uint32_t bits : kSoundSampleBits)
            sounds.push_back(
                {std::to_string(rate) + "Hz" + std::to_string(bits) + "bit", {rate, bits}});
    for (Sound layout : std::vector<Sound>{
             {"pcm32", {}, {32}, {1}},
             {"extensible_pcm24", {}, {24, false, true}, {1}},
             {"extensible_float32_stereo", {}, {32, true, true}, {0.7, 0.7}},
             {"stereo_sides_opposite", {}, {16}, {0.7, -0.7}},
             {"stereo_right_silent_8bit", {}, {8}, {1, 0}},
         })
        sounds.push_back(std::move(layout));
    return sounds;
}

class EachSound : public ::testing::TestWithParam<Sound> {};

TEST_P(EachSound, GivesEveryBlockByteForByteWhereItsPilotStarts)
{
    const std::vector<std::string> blocks = blocksOfTape();
    const std::vector<std::string_view> views(blocks.begin(), blocks.end());
    std::string file;
    if (GetParam().sides.empty()) {
        tapeSoundFile(views, GetParam().format)->writeTo([&file](std::string_view piece) {
            file += piece;
            return true;
        });
    } else {
        std::vector<std::vector<double>> channels;
        for (const double side : GetParam().sides) {
            channels.push_back(testing::exportedSamples(views));
            for (double& x : channels.back())
                x *= side;
        }
        file = testing::wavFile(channels, GetParam().layout);
    }

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

INSTANTIATE_TEST_SUITE_P(Sounds, EachSound, ::testing::ValuesIn(everySound()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace murax
