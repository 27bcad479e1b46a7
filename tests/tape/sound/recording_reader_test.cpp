// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A recording read as a whole: worn as cassettes and sound cards wear it, kind by kind and all
// together, its blocks still come back byte for byte; the reading tells its progress and stops
// when told; the message says what was found and where each failed block failed.
#include <gtest/gtest.h>

#include <algorithm>
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
        std::size_t blocks, firstFailed, signals, blockLines;
        std::string timesEnd, lastLine;
    };
    for (const Row& row : {Row{30, 5, 2, 20, "0:20.0 and 10 more.",
                               "and 5 more failed blocks and 2 more signals left out."},
                           Row{3, 0, 30, 3, "0:03.0.", "and 13 more signals left out."}}) {
        std::vector<RecordedBlock> blocks(row.blocks);
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            blocks[i].startSeconds = static_cast<double>(i + 1);
            if (i >= row.firstFailed)
                blocks[i].verdict = RecordedBlock::Verdict::ChecksumFailed;
        }
        const std::string text =
            recordingSummary(blocks, std::vector(row.signals, LeftOutSignal{40, "noise"}));
        SCOPED_TRACE(text);
        EXPECT_EQ(std::ranges::count(text, '\n'), 21);
        EXPECT_TRUE(text.substr(0, text.find('\n')).ends_with(row.timesEnd));
        EXPECT_TRUE(text.ends_with("\n" + row.lastLine));
        std::size_t blockLines = 0;
        for (std::size_t at = 0; (at = text.find("\nBlock ", at)) != std::string::npos; ++at)
            ++blockLines;
        EXPECT_EQ(blockLines, row.blockLines);
    }
}

}  // namespace
}  // namespace murax
