// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The WAV files that are not recordings Murax reads: each refused with a message that says what
// it is, before any sample is read (or, from a pipe whose length is unknown, once the samples run
// out before the size the header gave).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tape/sound/recording_reader.h"
#include "tape/sound/wav_layout.h"
#include "tests/support/helpers/worn_recording.h"
#include "tests/tape/tzx/tzx_builder.h"

namespace murax {
namespace {

// 1000 silent samples, 16-bit mono: the header's fields at 20 (format tag), 22 (channels), 24
// (rate), 32 (frame size), 34 (bits), its data chunk at 36. Extensible, the subformat's tag is
// at 44.
const std::string kPlain = testing::wavFile({std::vector<double>(1000)});
const std::string kExtensible = testing::wavFile({std::vector<double>(1000)}, {16, false, true});

// `file` with `value` written over its `width` bytes from `at`.
std::string with(std::string file, std::size_t at, std::uint64_t value, int width)
{
    file.replace(at, static_cast<std::size_t>(width), testing::littleEndianBytes(value, width));
    return file;
}

struct Refusal {
    const char* name;
    std::string file;
    const char* says;
};

const std::vector<Refusal>& refusals()
{
    static const std::vector<Refusal> rows = {
        {"not_riff", "RIFX" + kPlain.substr(4), "not a WAV file"},
        {"riff_but_not_wave", kPlain.substr(0, 8) + "AVI " + kPlain.substr(12), "not a WAV file"},
        {"nothing_after_the_signature", kPlain.substr(0, 12), "cut short"},
        {"cut_in_the_format_chunk", kPlain.substr(0, 30), "cut short"},
        {"cut_before_the_data_chunk", kPlain.substr(0, 40), "cut short"},
        {"format_chunk_too_small", with(kPlain, 16, 8, 4), "too small"},
        {"a_law", with(kPlain, 20, 6, 2), "compressed encoding (A-law)"},
        {"mu_law", with(kPlain, 20, 7, 2), "compressed encoding (mu-law)"},
        {"mp3", with(kPlain, 20, 0x55, 2), "compressed encoding (MP3)"},
        {"unnamed_tag", with(kPlain, 20, 0x1234, 2), "compressed encoding (format tag 0x1234)"},
        // Its 4 bits are read as its encoding's, not as PCM's.
        {"ima_adpcm", with(with(kPlain, 20, 0x11, 2), 34, 4, 2), "compressed encoding (IMA ADPCM)"},
        {"extensible_a_law", with(kExtensible, 44, 6, 2), "compressed encoding (A-law)"},
        {"extensible_unknown_guid",
         kExtensible.substr(0, 44) + std::string(16, '\x11') + kExtensible.substr(60),
         "unknown encoding"},
        {"float_of_64_bits", with(with(kPlain, 20, 3, 2), 34, 64, 2), "64-bit float"},
        {"pcm_of_12_bits", with(kPlain, 34, 12, 2), "12-bit samples"},
        {"six_channels", with(kPlain, 22, 6, 2), "6 channels"},
        {"rate_too_low", with(kPlain, 24, 4000, 4), "4000 Hz"},
        {"rate_too_high", with(kPlain, 24, 384000, 4), "384000 Hz"},
        {"frame_size_contradicts", with(kPlain, 32, 3, 2), "contradicts itself"},
        {"data_before_format", kPlain.substr(0, 12) + kPlain.substr(36) + kPlain.substr(12, 24),
         "before its format chunk"},
        {"data_size_lies", with(kPlain, 40, 2001, 4), "data size lies"},
        {"data_size_of_a_stream", with(kPlain, 40, 2000 + (1 << 30), 4), "data size lies"},
    };
    return rows;
}

class RefusedRecording : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedRecording, IsRefusedSayingWhatItIs)
{
    const std::string& file = GetParam().file;
    MemoryTapeSource source(file);
    const auto layout = readWavLayout(source, file.size());
    ASSERT_TRUE(std::holds_alternative<std::string>(layout));
    EXPECT_NE(std::get<std::string>(layout).find(GetParam().says), std::string::npos)
        << std::get<std::string>(layout);

    // Read as a whole, from a source whose length is not known, it gives nothing.
    MemoryTapeSource again(file);
    bool handedOver = false;
    const RecordingOutcome outcome = readRecording(
        again, std::nullopt, [&](RecordedBlock&&) { handedOver = true; },
        [&](LeftOutSignal&&) { handedOver = true; });
    EXPECT_FALSE(outcome.read());
    EXPECT_NE(outcome.refusal.find(GetParam().says), std::string::npos) << outcome.refusal;
    EXPECT_FALSE(handedOver);
}

INSTANTIATE_TEST_SUITE_P(Headers, RefusedRecording, ::testing::ValuesIn(refusals()),
                         [](const auto& info) { return std::string(info.param.name); });

// Float samples read as integers keep their sign, and so most of their edges: the round trips
// need not notice.
TEST(WavLayout, AnExtensibleFloatHeaderIsFloatAndAChunkBeforeTheDataIsPassedOver)
{
    std::string file = testing::wavFile({std::vector<double>(1000)}, {32, true, true});
    file.insert(60, "LIST" + testing::littleEndianBytes(3, 4) + "abc" + std::string(1, '\0'));
    MemoryTapeSource source(file);
    const auto read = readWavLayout(source, file.size());
    ASSERT_TRUE(std::holds_alternative<WavLayout>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<WavLayout>(read).encoding, WavLayout::Encoding::Float);
    EXPECT_EQ(std::get<WavLayout>(read).dataOffset, 60u + 12 + 8);
    EXPECT_EQ(std::get<WavLayout>(read).dataBytes, 4000u);
}

}  // namespace
}  // namespace murax
