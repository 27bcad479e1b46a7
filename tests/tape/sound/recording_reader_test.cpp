// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A recording read as a whole: worn as cassettes and sound cards wear it, kind by kind and all
// together, its blocks still come back byte for byte; the reading tells its progress and stops
// when told; the message says what was found and where each failed block failed.
#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <string>
#include <vector>

#include "tape/sound/recording_reader.h"
#include "tape/sound/recording_summary.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/support/helpers/worn_recording.h"

namespace murax {
namespace {

using testing::Wear;

std::vector<std::string> shortTape()
{
    std::string code;
    for (int i = 0; i < 700; ++i)
        code += static_cast<char>(i * 7 + i / 5);
    return {testing::headerBlock(3, "worn", 700, 32768, 0).substr(2),
            testing::dataBlock(code).substr(2),
            testing::dataBlock(code.substr(0, 90), 0x44).substr(2)};
}

std::vector<std::string> bytesRead(const std::string& wav)
{
    MemoryTapeSource source(wav);
    const Recording recording = readWholeRecording(source, wav.size());
    EXPECT_TRUE(recording.outcome.read()) << recording.outcome.refusal;
    std::vector<std::string> blocks;
    for (const RecordedBlock& block : recording.blocks) {
        EXPECT_EQ(block.speed, RecordedBlock::Speed::Standard);  // however fast the tape ran
        blocks.push_back(block.bytes);
    }
    return blocks;
}

class EachWear : public ::testing::TestWithParam<Wear> {};

TEST_P(EachWear, LeavesEveryBlockReadable)
{
    const std::vector<std::string> blocks = shortTape();
    const std::vector<std::string_view> views(blocks.begin(), blocks.end());
    for (const std::uint32_t seed : {1u, 2u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        EXPECT_EQ(bytesRead(testing::wornRecording(views, GetParam(), seed)), blocks);
    }
}

INSTANTIATE_TEST_SUITE_P(Wears, EachWear, ::testing::ValuesIn(testing::everyWear()),
                         [](const auto& info) { return testing::wearName(info.param); });

TEST(RecordingReader, TellsItsProgressAndStopsWhenToldChangingNothing)
{
    const std::vector<std::string> blocks = shortTape();
    const std::vector<std::string_view> views(blocks.begin(), blocks.end());
    const std::string wav = testing::wornRecording(views, Wear::None, 0);
    std::vector<double> told;
    MemoryTapeSource source(wav);
    const Recording whole = readWholeRecording(source, wav.size(), [&](double fraction) {
        told.push_back(fraction);
        return true;
    });
    ASSERT_GT(told.size(), 10u);
    EXPECT_TRUE(std::ranges::is_sorted(told));
    EXPECT_EQ(told.back(), 1);
    EXPECT_EQ(whole.blocks.size(), blocks.size());

    MemoryTapeSource again(wav);
    std::size_t calls = 0;
    const Recording cancelled = readWholeRecording(
        again, wav.size(), [&](double fraction) { return ++calls, fraction < 0.5; });
    EXPECT_TRUE(cancelled.outcome.cancelled);
    EXPECT_FALSE(cancelled.outcome.read());
    EXPECT_LT(calls, told.size());
}

TEST(RecordingSummary, CountsTheBlocksTimesThemAndSaysWhereTheFailedOnesFailed)
{
    RecordedBlock ok{.bytes = "ab", .startSeconds = 0.5};
    RecordedBlock checksum{.bytes = "abc",
                           .startSeconds = 75.25,
                           .verdict = RecordedBlock::Verdict::ChecksumFailed,
                           .failedByte = 2,
                           .failedSeconds = 76.04};
    RecordedBlock broken{.bytes = "a",
                         .startSeconds = 3725,
                         .speed = RecordedBlock::Speed::Turbo,
                         .verdict = RecordedBlock::Verdict::BrokeOff,
                         .failedByte = 1,
                         .failedSeconds = 3726.5};
    const std::string text =
        recordingSummary({ok, checksum, broken}, {LeftOutSignal{12, "a signal left out"}});
    EXPECT_EQ(text,
              "3 blocks were found, at 0:00.5, 1:15.3, 1:02:05.0.\n"
              "Block 2 (standard, at 1:15.3): its checksum fails; the byte likeliest to be "
              "wrong is byte 2, at 1:16.0.\n"
              "Block 3 (turbo, at 1:02:05.0): it breaks off at 1:02:06.5, in byte 1; the "
              "bytes before are taken in.\n"
              "Left out at 0:12.0: a signal left out.");
    EXPECT_EQ(recordingSummary({}, {}), "No block of a tape was found in the recording.");
}

TEST(RecordingSummary, NamesTwentyTimesAndTwentyLinesTheFailedBlocksFirstAndCountsTheRest)
{
    // Blocks a second apart from 0:01.0, those from `firstFailed` on failing their checksum.
    struct Row {
        std::size_t blocks, firstFailed, signals;
        std::string timesEnd;
        std::size_t blockLines, leftOutLines;
        std::string lastLine;
    };
    const Row rows[] = {
        {20, 0, 0, "0:20.0.", 20, 0,
         "Block 20 (standard, at 0:20.0): its checksum fails; "
         "the byte likeliest to be wrong is byte 0, at 0:20.0."},
        {30, 5, 2, "0:20.0 and 10 more.", 20, 0,
         "and 5 more failed blocks and 2 more signals left out."},
        {3, 0, 30, "0:03.0.", 3, 17, "and 13 more signals left out."},
    };
    for (const Row& row : rows) {
        std::vector<RecordedBlock> blocks(row.blocks);
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            blocks[i].startSeconds = blocks[i].failedSeconds = static_cast<double>(i + 1);
            if (i >= row.firstFailed)
                blocks[i].verdict = RecordedBlock::Verdict::ChecksumFailed;
        }
        const std::vector<LeftOutSignal> leftOut(row.signals, LeftOutSignal{40, "noise"});
        std::vector<std::string> lines;
        for (const auto line : std::views::split(recordingSummary(blocks, leftOut), '\n'))
            lines.emplace_back(line.begin(), line.end());
        const auto starting = [&](std::string_view start) {
            return static_cast<std::size_t>(std::ranges::count_if(
                lines, [&](const std::string& line) { return line.starts_with(start); }));
        };
        SCOPED_TRACE(std::to_string(row.blocks) + " blocks, " + std::to_string(row.signals) +
                     " signals");
        EXPECT_TRUE(lines.front().ends_with(row.timesEnd)) << lines.front();
        EXPECT_EQ(starting("Block "), row.blockLines);
        EXPECT_EQ(starting("Left out"), row.leftOutLines);
        EXPECT_EQ(lines.back(), row.lastLine);
    }
}

}  // namespace
}  // namespace murax
