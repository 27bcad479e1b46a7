// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The samples Play hands to the sound card are the WAV export's, whatever the pieces they are
// asked for in.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tape/sound/tape_sound_stream.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/sound/entries_sound_file.h"

namespace murax::testing {
namespace {

constexpr std::size_t kWavHeaderBytes = 44;

// Everything the stream gives when asked for `piece` bytes at a time.
std::string drained(TapeSoundStream& stream, std::size_t piece)
{
    std::string samples, buffer(piece, '\0');
    while (const std::size_t given = stream.read(buffer.data(), piece))
        samples.append(buffer, 0, given);
    return samples;
}

std::vector<std::string> blocksOf(const std::vector<std::string_view>& entries)
{
    std::vector<std::string> blocks;
    for (const std::string_view block : blocksOfEntries(entries))
        blocks.emplace_back(block);
    return blocks;
}

// The sample bytes of a WAV file, as its data chunk's size counts them (without the pad byte).
std::string samplesOfWav(const std::string& file)
{
    std::uint32_t size = 0;
    for (int i = 3; i >= 0; --i)
        size = size << 8 | static_cast<unsigned char>(file.at(kWavHeaderBytes - 4 + i));
    return file.substr(kWavHeaderBytes, size);
}

TEST(TapeSoundStream, GivesTheSamplesOfTheExportInPiecesOfAnySize)
{
    const std::string program = header(0, "prog") + data("10 PRINT 1");
    const std::string cutShort = dataBlock("abcdef").substr(0, 5);
    const struct {
        const char* what;
        std::vector<std::string> entries;
    } tapes[] = {
        {"a header and its data, a lone block", {program, lone(7)}},
        {"a screen and a block of a low flag", {screenEntry(), dataBlock("\x01\x02", 0x7F)}},
        {"an empty block and one cut short", {framed(""), cutShort}},
        {"nothing", {}},
    };
    const SoundFormat formats[] = {{44100, 16}, {48000, 8}, {22050, 8}, {22050, 16}};
    const std::size_t piecesInSamples[] = {1, 2, 4095, 65536 * 3 + 5};
    for (const auto& tape : tapes)
        for (const SoundFormat& format : formats) {
            const std::vector<std::string_view> entries(tape.entries.begin(), tape.entries.end());
            const std::string expected = samplesOfWav(entriesSoundFile(entries, format));
            for (const std::size_t samples : piecesInSamples) {
                const std::size_t piece = samples * format.bytesPerSample();
                SCOPED_TRACE(std::string(tape.what) + ", " + std::to_string(format.sampleRate) +
                             " Hz, " + std::to_string(format.bitsPerSample) + " bits, pieces of " +
                             std::to_string(piece));
                TapeSoundStream stream(blocksOf(entries), format);
                EXPECT_EQ(drained(stream, piece), expected);
                EXPECT_EQ(stream.totalSamples() * format.bytesPerSample(), expected.size());
            }
        }
}

TEST(TapeSoundStream, KeepsPlayingItsOwnCopyOfTheBlocks)
{
    const std::string first = lone(1), second = lone(2);
    std::vector<std::string> blocks = blocksOf({first, second});
    const std::string before = entriesSoundFile({first, second}, {44100, 16});
    TapeSoundStream stream(blocks, {44100, 16});
    for (std::string& block : blocks)
        block.assign(block.size(), '\0');
    EXPECT_EQ(drained(stream, 1000), samplesOfWav(before));
}

}  // namespace
}  // namespace murax::testing
