// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The walks over a TZX tape that never hold it: the summary and the TAP stream read forwards
// only, read no data they do not give, and give what the tape read whole gives.
#include "tape/tzx/tzx_summary.h"
#include "tape/tzx/tzx_tap_stream.h"

#include <gtest/gtest.h>

#include "tape/format/entry_scanner.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/tzx/tzx_builder.h"

namespace murax::testing {
namespace {

// A tape as a file reader gives it: forwards only, at most 64 KiB a call, counting the bytes it
// hands out and noting a position asked for behind the one before.
class ForwardSource final : public TapeSource {
public:
    explicit ForwardSource(std::string_view bytes) : bytes_(bytes) {}

    std::string_view bytesAt(std::uint64_t position, std::size_t count) override
    {
        if (position < last_)
            wentBack = true;
        last_ = position;
        if (position >= bytes_.size())
            return {};
        const std::string_view piece =
            bytes_.substr(static_cast<std::size_t>(position), std::min(count, kPiece));
        handedOut += piece.size();
        return piece;
    }

    bool wentBack = false;
    std::uint64_t handedOut = 0;

private:
    static constexpr std::size_t kPiece = 1 << 16;
    std::string_view bytes_;
    std::uint64_t last_ = 0;
};

const std::string kHeader = withChecksum(std::string("\x00\x03", 2) + "code      " +
                                         std::string("\x04\x00\x00\x80\x00\x80", 6));
const std::string kData = withChecksum(std::string("\xFF\x01\x02\x03\x04", 5));

// Every kind of block, converted or not, and a pilot before a generalised block's data.
std::vector<std::string> everyKindOfTape()
{
    std::vector<std::string> tapes = {
        tzxFile(""),
        tzxFile(standardSpeed(kHeader) + turboSpeed(kData) + pureData(kData) +
                generalisedData(kData)),
        tzxFile(pureData(std::string(70000, 'b')) + turboSpeed(kData, 6) + standardSpeed("") +
                generalisedData(kData, {.alphabet = 4, .dataSymbols = 24}) +
                standardSpeed(std::string("\x00", 1)) +
                idAnd(0x4B, littleEndianBytes(2, 4) + "zz")),
    };
    std::string noData;
    for (const std::string& block : blocksWithoutData())
        noData += block + standardSpeed(kData);
    tapes.push_back(tzxFile(noData));
    return tapes;
}

std::string streamed(TapeSource& stream, std::size_t piece)
{
    std::string bytes;
    for (std::string_view got; !(got = stream.bytesAt(bytes.size(), piece)).empty();)
        bytes += got;
    return bytes;
}

TEST(TzxStream, TheWalksGiveWhatTheTapeReadWholeGives)
{
    for (const std::string& file : everyKindOfTape()) {
        const tzx::Tape whole = tzx::readTzx(file);
        ASSERT_FALSE(whole.malformed) << whole.malformed->what;
        const std::string tap = tzx::tapBytes(whole);
        // The stream asked for a byte at a time, for a line's bytes, and for large pieces.
        for (const std::size_t piece : {std::size_t{1}, std::size_t{18}, std::size_t{1} << 16}) {
            SCOPED_TRACE(piece);
            ForwardSource source(file);
            std::size_t seen = 0;
            const tzx::Summary summary =
                tzx::summarise(source, file.size(), [&](std::size_t number, const tzx::Block& b) {
                    ASSERT_EQ(number, ++seen);
                    EXPECT_EQ(b.offset, whole.blocks[number - 1].offset);
                    EXPECT_EQ(b.fate, whole.blocks[number - 1].fate);
                    EXPECT_EQ(b.reason, whole.blocks[number - 1].reason);
                });
            EXPECT_EQ(summary.blocks, whole.blocks.size());
            for (const tzx::Fate fate :
                 {tzx::Fate::Entry, tzx::Fate::PassedOver, tzx::Fate::NotConverted})
                EXPECT_EQ(summary.countOf(fate), tzx::countOf(whole, fate));
            EXPECT_EQ(summary.tapSize, tap.size());
            EXPECT_FALSE(source.wentBack);

            ForwardSource again(file);
            tzx::TapStream stream(again, file.size());
            EXPECT_TRUE(streamed(stream, piece) == tap);
            EXPECT_FALSE(stream.malformed());
            EXPECT_FALSE(again.wentBack);

            ForwardSource written(file);
            std::string bytes;
            std::optional<tzx::Malformed> fault;
            EXPECT_TRUE(tzx::writeTapBytes(
                written, file.size(),
                [&](std::string_view got) {
                    bytes += got;
                    return true;
                },
                fault));
            EXPECT_TRUE(bytes == tap);
            EXPECT_FALSE(written.wentBack);
        }
    }
}

TEST(TzxStream, WalkingBlocksAndListingEntriesReadNoDataBetween)
{
    const std::string big(60000, 'd');
    std::string blocks;
    for (int i = 0; i < 10; ++i)
        blocks += standardSpeed(kHeader) + standardSpeed(big) + pureData(big);
    const std::string file = tzxFile(blocks);

    ForwardSource source(file);
    tzx::summarise(source, file.size());
    EXPECT_LT(source.handedOut, 1000u) << "the summary read the data";

    ForwardSource again(file);
    tzx::TapStream stream(again, file.size());
    EntryScanner entries(stream);
    ScannedEntry entry;
    std::size_t count = 0;
    while (entries.next(entry))
        ++count;
    EXPECT_EQ(count, 20u);
    EXPECT_LT(again.handedOut, 2000u) << "the entries' listing read the data";
}

TEST(TzxStream, ATapeThatShrankWhileItWasReadEndsTheStreamWithAFault)
{
    const std::string file = tzxFile(standardSpeed(kHeader) + standardSpeed(kData));
    const std::string shrunk = file.substr(0, file.size() - 3);
    ForwardSource source(shrunk);
    tzx::TapStream stream(source, file.size());
    const std::string bytes = streamed(stream, 1 << 16);
    EXPECT_LT(bytes.size(), tzx::tapBytes(tzx::readTzx(file)).size());
    ASSERT_TRUE(stream.malformed());
    EXPECT_NE(stream.malformed()->what.find("ended"), std::string::npos);

    ForwardSource written(shrunk);
    std::optional<tzx::Malformed> fault;
    EXPECT_FALSE(tzx::writeTapBytes(
        written, file.size(), [](std::string_view) { return true; }, fault));
    EXPECT_TRUE(fault);
}

}  // namespace
}  // namespace murax::testing
