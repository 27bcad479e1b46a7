// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/entry_bytes.h"

#include <gtest/gtest.h>

#include "tests/support/helpers/tape_builder.h"

namespace murax::testing {
namespace {

TEST(EntryBytes, DataWithoutFlagAndChecksum)
{
    const std::string header = headerBlock(3, "code", 3, 32768, 0);
    EXPECT_EQ(entryData(header + dataBlock("abc")), "abc");
    EXPECT_EQ(entryData(dataBlock("xyz", 0x42)), "xyz");
    EXPECT_EQ(entryBlocks(header + dataBlock("abc")).size(), 2u);
    EXPECT_EQ(entryBlocks(dataBlock("abc")).size(), 1u);
}

TEST(EntryBytes, CutAndMissingBlocksGiveWhatThereIs)
{
    const std::string entry = headerBlock(3, "code", 5, 32768, 0) + dataBlock("abcde");
    // Cut after "abc": no checksum to drop.
    EXPECT_EQ(entryData(std::string_view(entry).substr(0, 21 + 2 + 4)), "abc");
    // The header alone, or with half a length field: no data.
    EXPECT_EQ(entryData(std::string_view(entry).substr(0, 21)), "");
    EXPECT_EQ(entryData(std::string_view(entry).substr(0, 22)), "");
    EXPECT_EQ(entryData(std::string_view(entry).substr(0, 1)), "");
    // An empty block and a block of only a flag.
    EXPECT_EQ(entryData(framed("")), "");
    EXPECT_EQ(entryData(framed("\xFF")), "");
}

// How an entry comes back when the tape is saved and read again depends, for a header alone and an
// empty block, on what follows it; a cut-short entry or an edited one may not come back whole.
TEST(EntryBytes, ReadBackGivesHowAnEntryComesBackBeforeWhatFollowsIt)
{
    const std::string alone = headerBlock(3, "alone", 4, 0, 0);
    const std::string shortHeader = framed(std::string("\x00\x07", 2));  // too short for fields
    const std::string empty = framed("");
    const std::string lengthOf256 = dataBlock(std::string(254, 'x'));  // length's first byte 0
    const std::string cut("\x09\x00\xFF", 3);
    struct Case {
        const char* what;
        std::string entry, next, afterNext;
        ReadBack expected;
    };
    const Case cases[] = {
        {"a data block", lone(1), lone(2), "", ReadBack::Same},
        {"a header and its data", headerEntry("h"), alone, "", ReadBack::Same},
        {"a header alone, last", alone, "", "", ReadBack::Same},
        {"a header alone before data", alone, lone(2), lone(3), ReadBack::TakesNext},
        {"a header alone before an empty block", alone, empty, lone(3), ReadBack::TakesNext},
        {"a header alone before a last block cut short", alone, cut, "", ReadBack::TakesNext},
        {"a header alone before a header entry", alone, headerEntry("h"), "", ReadBack::LoneHeader},
        {"a header alone before another", alone, alone, lone(3), ReadBack::LoneHeader},
        {"a short header before data", shortHeader, lone(2), "", ReadBack::TakesNext},
        {"a short header before a header", shortHeader, headerEntry("h"), "", ReadBack::LoneHeader},
        {"an empty block, last", empty, "", "", ReadBack::Same},
        {"an empty block before a block of 3", empty, lone(2), "", ReadBack::Same},
        {"an empty block before a block of 256", empty, lengthOf256, "", ReadBack::EmptyBlock},
        {"an empty block before another", empty, empty, "", ReadBack::EmptyBlock},
        {"a block cut short, last", cut, "", "", ReadBack::Same},
        {"a block cut short before data", cut, lone(2), "", ReadBack::CutShort},
        {"half a length field before data", "\x13", lone(2), "", ReadBack::CutShort},
        {"two data blocks as one entry", lone(1) + lone(2), "", "", ReadBack::SeveralEntries},
        {"a header entry and one block more", headerEntry("h") + lone(2), lone(3), "",
         ReadBack::SeveralEntries},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readBack(c.entry, c.next, c.afterNext), c.expected) << c.what;
}

}  // namespace
}  // namespace murax::testing
