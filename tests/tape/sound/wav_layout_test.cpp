// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The WAV files that are not recordings Murax reads: each refused with a message that says what
// it is, before any sample is read (or, from a pipe whose length is unknown, once the samples run
// out before the size the header gave).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tape/sound/recording_reader.h"
#include "tape/sound/wav_layout.h"

namespace murax {
namespace {

void put(std::string& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string number(std::uint32_t value, int size)
{
    std::string bytes(static_cast<std::size_t>(size), '\0');
    put(bytes, 0, value, size);
    return bytes;
}

// A WAV file's fields, each a row may change.
struct Fields {
    std::uint32_t tag = 1, channels = 1, rate = 44100, bits = 16;
    std::uint32_t blockAlign = 2;
    std::string subformat;  // for tag 0xFFFE: the GUID
    std::uint32_t samples = 1000;
    std::int64_t dataSizeChange = 0;
    bool dataFirst = false;
};

std::string extensibleGuid(std::uint32_t tag)
{
    return number(tag, 2) +
           std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
}

std::string wavFile(const Fields& f)
{
    std::string format = number(f.tag, 2) + number(f.channels, 2) + number(f.rate, 4) +
                         number(f.rate * f.blockAlign, 4) + number(f.blockAlign, 2) +
                         number(f.bits, 2);
    if (!f.subformat.empty())
        format += number(22, 2) + number(f.bits, 2) + number(0, 4) + f.subformat;
    const std::string formatChunk =
        "fmt " + number(static_cast<std::uint32_t>(format.size()), 4) + format;
    const std::uint32_t dataBytes = f.samples * f.blockAlign;
    const std::string dataChunk =
        "data" + number(static_cast<std::uint32_t>(dataBytes + f.dataSizeChange), 4) +
        std::string(dataBytes, '\x40');
    const std::string body = f.dataFirst ? dataChunk + formatChunk : formatChunk + dataChunk;
    return "RIFF" + number(static_cast<std::uint32_t>(4 + body.size()), 4) + "WAVE" + body;
}

struct Refusal {
    const char* name;
    std::function<std::string()> file;
    const char* says;
};

std::string withFields(const std::function<void(Fields&)>& change)
{
    Fields fields;
    change(fields);
    return wavFile(fields);
}

const std::vector<Refusal>& refusals()
{
    static const std::vector<Refusal> rows = {
        {"not_riff", [] { return std::string("RIFX") + wavFile({}).substr(4); }, "not a WAV file"},
        {"riff_but_not_wave", [] { return wavFile({}).replace(8, 4, "AVI "); }, "not a WAV file"},
        {"nothing_after_the_signature", [] { return wavFile({}).substr(0, 12); }, "cut short"},
        {"cut_in_the_format_chunk", [] { return wavFile({}).substr(0, 30); }, "cut short"},
        {"cut_before_the_data_chunk", [] { return wavFile({}).substr(0, 40); }, "cut short"},
        {"format_chunk_too_small",
         [] {
             std::string file = wavFile({});
             put(file, 16, 8, 4);
             return file;
         },
         "too small"},
        {"a_law",
         [] {
             return withFields([](Fields& f) {
                 f.tag = 6;
                 f.bits = 8;
                 f.blockAlign = 1;
             });
         },
         "compressed encoding (A-law)"},
        {"mu_law",
         [] {
             return withFields([](Fields& f) {
                 f.tag = 7;
                 f.bits = 8;
                 f.blockAlign = 1;
             });
         },
         "compressed encoding (mu-law)"},
        {"ima_adpcm",
         [] {
             return withFields([](Fields& f) {
                 f.tag = 0x11;
                 f.bits = 4;
             });
         },
         "compressed encoding (IMA ADPCM)"},
        {"mp3",
         [] {
             return withFields([](Fields& f) {
                 f.tag = 0x55;
                 f.bits = 0;
                 f.blockAlign = 1;
             });
         },
         "compressed encoding (MP3)"},
        {"unnamed_tag", [] { return withFields([](Fields& f) { f.tag = 0x1234; }); },
         "compressed encoding (format tag 0x1234)"},
        {"extensible_a_law",
         [] {
             return withFields([](Fields& f) {
                 f.tag = 0xFFFE;
                 f.subformat = extensibleGuid(6);
             });
         },
         "compressed encoding (A-law)"},
        {"extensible_unknown_guid",
         [] {
             return withFields([](Fields& f) {
                 f.tag = 0xFFFE;
                 f.subformat = std::string(16, '\x11');
             });
         },
         "unknown encoding"},
        {"float_of_64_bits",
         [] {
             return withFields([](Fields& f) {
                 f.tag = 3;
                 f.bits = 64;
                 f.blockAlign = 8;
             });
         },
         "64-bit float"},
        {"pcm_of_12_bits", [] { return withFields([](Fields& f) { f.bits = 12; }); },
         "12-bit samples"},
        {"six_channels",
         [] {
             return withFields([](Fields& f) {
                 f.channels = 6;
                 f.blockAlign = 12;
             });
         },
         "6 channels"},
        {"rate_too_low", [] { return withFields([](Fields& f) { f.rate = 4000; }); }, "4000 Hz"},
        {"rate_too_high", [] { return withFields([](Fields& f) { f.rate = 384000; }); },
         "384000 Hz"},
        {"frame_size_contradicts", [] { return withFields([](Fields& f) { f.blockAlign = 3; }); },
         "contradicts itself"},
        {"data_before_format", [] { return withFields([](Fields& f) { f.dataFirst = true; }); },
         "before its format chunk"},
        {"data_size_lies", [] { return withFields([](Fields& f) { f.dataSizeChange = 1; }); },
         "data size lies"},
        {"data_size_of_a_stream",
         [] { return withFields([](Fields& f) { f.dataSizeChange = 1 << 30; }); },
         "data size lies"},
    };
    return rows;
}

class RefusedRecording : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedRecording, IsRefusedSayingWhatItIs)
{
    const std::string file = GetParam().file();
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

TEST(WavLayout, TheFieldsOfAnAcceptedHeaderAndChunksBeforeTheDataPassedOver)
{
    Fields fields;
    fields.tag = 0xFFFE;
    fields.subformat = extensibleGuid(3);
    fields.channels = 2;
    fields.bits = 32;
    fields.blockAlign = 8;
    fields.rate = 192000;
    std::string file = wavFile(fields);
    // A chunk of odd size, and its pad byte, between the format and the data.
    const std::size_t data = file.find("data");
    file.insert(data, "LIST" + number(3, 4) + "abc" + std::string(1, '\0'));
    MemoryTapeSource source(file);
    const auto read = readWavLayout(source, file.size());
    ASSERT_TRUE(std::holds_alternative<WavLayout>(read)) << std::get<std::string>(read);
    const WavLayout& layout = std::get<WavLayout>(read);
    EXPECT_EQ(layout.encoding, WavLayout::Encoding::Float);
    EXPECT_EQ(layout.channels, 2u);
    EXPECT_EQ(layout.sampleRate, 192000u);
    EXPECT_EQ(layout.dataOffset, data + 12 + 8);
    EXPECT_EQ(layout.dataBytes, 8000u);
}

}  // namespace
}  // namespace murax
