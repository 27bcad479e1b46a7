// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/tap_decoding.h"
#include "tape/model/tape_loading.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/helpers/tape_builder.h"

using namespace std::string_literals;

namespace murax {
namespace {

using testing::dataEntry;
using testing::framed;
using testing::header;

std::string joined(const BlockList& list)
{
    return joinEntries(list);
}

TEST(TapDecoding, BytesHeaderWithItsDataMakesOneLine)
{
    const std::string file = header(3, "screen", 500, 100) + dataEntry(500);
    BlockList list;
    splitIntoEntries(file, list);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries()[0].size(), 525u);
    EXPECT_EQ(list.lines()[0], "screen    "s + "    " + "Bytes          " + "       " + "  100" +
                                   "      " + "  500");
    EXPECT_EQ(list.lines()[0].size(), 52u);
}

TEST(TapDecoding, LoneDataBlockShowsItsPayloadLength)
{
    BlockList list;
    splitIntoEntries(framed("\xFF"
                            "abc\x00"s),
                     list);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries()[0].size(), 7u);
    EXPECT_EQ(list.lines()[0],
              std::string(14, ' ') + "Data block     " + std::string(18, ' ') + "    3");
}

TEST(TapDecoding, TypeTexts)
{
    EXPECT_EQ(TIPO(std::string(1, '\0')), "Program");
    EXPECT_EQ(TIPO("\x01"), "Number array");
    EXPECT_EQ(TIPO("\x02"), "Character array");
    EXPECT_EQ(TIPO("\x03"), "Bytes");
    EXPECT_EQ(TIPO("\x07"), "\x07");
    EXPECT_EQ(TIPO(""), "");
}

TEST(TapDecoding, OddTypeAndHighStartValue)
{
    BlockList list;
    splitIntoEntries(header(7, "odd", 1, 40000) + dataEntry(1), list);
    EXPECT_EQ(list.lines()[0].substr(14, 15), std::string("\x07") + std::string(14, ' '));
    EXPECT_EQ(list.lines()[0].substr(36, 5), "40000");
}

TEST(TapDecoding, TheLongestLinesAre52Characters)
{
    // A full name and the largest numbers; the list keeps lines in place, up to a fixed length.
    const std::string wide = BLKLINE(header(2, "ABCDEFGHIJ", 65535, 65535));
    EXPECT_EQ(wide.size(), 52u);
    EXPECT_EQ(BLKLINE(std::string("\xFF\xFF", 2)).size(), 52u);
    EXPECT_LE(wide.size(), DisplayLine::kMaxLength);
}

TEST(TapDecoding, TwoHeadersInARowPairTheSecondWithTheFirst)
{
    const std::string file = header(0, "one", 5, 10) + header(3, "two", 3, 0) + dataEntry(3);
    BlockList list;
    splitIntoEntries(file, list);
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.entries()[0], header(0, "one", 5, 10) + header(3, "two", 3, 0));
    EXPECT_EQ(list.lines()[1].substr(14, 10), "Data block");
}

TEST(TapDecoding, ShortAndCutInputs)
{
    BlockList list;
    splitIntoEntries("", list);
    EXPECT_TRUE(list.empty());

    // A lone byte: a data entry whose length is the byte's value less 2.
    splitIntoEntries("\x09", list);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.lines()[0].substr(47), "    7");

    // A block of length 0 at the end: shows -2.
    splitIntoEntries(std::string("\x00\x00", 2), list);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries()[0].size(), 2u);
    EXPECT_EQ(list.lines()[0].substr(47), "   -2");

    // A block that declares more than the file holds: the entry keeps what remains, the line the
    // declared length.
    splitIntoEntries(std::string("\x10\x00\xFF\x01", 4), list);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries()[0].size(), 4u);
    EXPECT_EQ(list.lines()[0].substr(47), "   14");

    // A header that is the last block: the entry holds the header alone.
    const std::string lone = header(0, "last", 9, 1);
    splitIntoEntries(lone, list);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries()[0], lone);

    // A header cut inside its name: the line is shortened by the missing name bytes.
    splitIntoEntries(lone.substr(0, 8), list);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.lines()[0].size(), 52u - 6u);
    EXPECT_EQ(list.lines()[0].substr(0, 4), "last");
}

TEST(TapDecoding, ShortFlagZeroBlockReadsFieldsFromTheBytesAfterIt)
{
    // A 3-byte block with flag 0 takes the next block into its entry; its name is read from the
    // fixed offsets, which lie in that next block.
    const std::string file = framed("\x00\x03\x41"s) + dataEntry(12) + dataEntry(1);
    BlockList list;
    splitIntoEntries(file, list);
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.entries()[0].size(), 5u + 16u);
    EXPECT_EQ(list.lines()[0].substr(0, 14), "A\x0E\x00\xFFpppppp    "s);
    EXPECT_EQ(list.lines()[0].substr(14, 15), "Bytes          ");
    EXPECT_EQ(joined(list), file);
}

TEST(TapDecoding, FinalSubByteIsKept)
{
    const std::string file = dataEntry(3) + "\x1A";
    BlockList list;
    splitIntoEntries(file, list);
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.entries()[1], "\x1A");
    EXPECT_EQ(joined(list), file);
}

// Whatever the bytes, the entries join back to exactly the input and the lists stay parallel.
TEST(TapDecoding, EntriesJoinBackToAnyInput)
{
    std::mt19937 random(20261207);
    const std::string wellFormed = header(0, "prog", 20, 10) + dataEntry(20) + dataEntry(7) +
                                   header(3, "code", 300, 32768) + dataEntry(300) + "\x1A";
    for (int round = 0; round < 3000; ++round) {
        std::string input;
        switch (round % 3) {
        case 0: {  // random bytes, biased towards small lengths and zero flags
            std::uniform_int_distribution<int> size(0, 64), byte(0, 255), small(0, 4);
            input.resize(size(random));
            for (auto& c : input)
                c = static_cast<char>(small(random) == 0 ? 0
                                                         : byte(random) % (round % 2 ? 256 : 24));
            break;
        }
        case 1:  // a well-formed tape cut anywhere
            input = wellFormed.substr(0, round % (wellFormed.size() + 1));
            break;
        case 2: {  // a well-formed tape with one byte changed
            input = wellFormed;
            std::uniform_int_distribution<std::size_t> at(0, input.size() - 1);
            input[at(random)] = static_cast<char>(random());
            break;
        }
        }
        BlockList list;
        splitIntoEntries(input, list);
        ASSERT_EQ(list.lines().size(), list.entries().size());
        ASSERT_EQ(joined(list), input) << "round " << round;
        std::size_t offset = 0;
        for (std::size_t i = 0; i < list.count(); ++i) {
            ASSERT_FALSE(list.entries()[i].empty());
            ASSERT_EQ(list.lines()[i], BLKLINE(std::string_view(input).substr(offset)));
            offset += list.entries()[i].size();
        }
    }
}

}  // namespace
}  // namespace murax
