// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/entry_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/helpers/tape_builder.h"

namespace murax::testing {
namespace {

std::vector<Verdict> verdictsOf(std::string_view entry)
{
    return entryVerdicts(factsOfEntry(entry));
}

std::vector<std::string> texts(const std::vector<Verdict>& verdicts)
{
    std::vector<std::string> out;
    for (const Verdict& verdict : verdicts)
        out.push_back(verdict.text);
    return out;
}

const std::string kPayload = "\x01\x02\x03\x04";

TEST(EntryChecks, SoundHeaderEntryPassesEveryCheckWithWordsForEach)
{
    const std::string entry = headerBlock(3, "code", 4, 32768, 32768) + dataBlock(kPayload);
    const auto verdicts = verdictsOf(entry);
    EXPECT_TRUE(allPassed(verdicts));
    EXPECT_EQ(verdictColumn(verdicts), "ok");
    const auto words = texts(verdicts);
    ASSERT_EQ(words.size(), 5u);
    EXPECT_EQ(words[0], "Header block: flag 0x00 as expected");
    EXPECT_EQ(words[2], "Data block: flag 0xFF as expected");
    EXPECT_EQ(words[4], "Data length: the header says 4, the data block holds 4: they agree");
    // Flag 0xFF and 1 ^ 2 ^ 3 ^ 4 = 4 give the data block's checksum 0xFB.
    EXPECT_EQ(words[3], "Data block: checksum 0xFB stored, 0xFB computed: correct");
}

TEST(EntryChecks, FlippedChecksumsWrongFlagsAndLengthMismatchEachFail)
{
    std::string entry = headerBlock(3, "code", 9, 32768, 32768) + dataBlock(kPayload, 0x42);
    entry[20] = static_cast<char>(entry[20] ^ 0x10);  // the header's checksum
    const auto verdicts = verdictsOf(entry);
    EXPECT_FALSE(allPassed(verdicts));
    EXPECT_EQ(verdictColumn(verdicts), "header checksum, data flag 0x42, length mismatch");
    const auto words = texts(verdicts);
    EXPECT_NE(std::find(words.begin(), words.end(), "Data block: flag 0x42, expected 0xFF"),
              words.end());
    EXPECT_NE(std::find(words.begin(), words.end(),
                        "Data length: the header says 9, the data block holds 4: they differ"),
              words.end());
    // The data block's checksum matches its own (wrong) flag: only the flag fails there.
    const auto data = factsOfEntry(entry).second;
    ASSERT_TRUE(data);
    EXPECT_EQ(data->storedChecksum, data->computedChecksum);
}

TEST(EntryChecks, LoneDataBlockIsCheckedForItsFlagAndChecksumOnly)
{
    const std::string sound = dataBlock(kPayload);
    EXPECT_EQ(verdictsOf(sound).size(), 2u);
    EXPECT_EQ(verdictColumn(verdictsOf(sound)), "ok");
    std::string flipped = sound;
    flipped.back() = static_cast<char>(flipped.back() ^ 1);
    EXPECT_EQ(verdictColumn(verdictsOf(flipped)), "data checksum");
    EXPECT_EQ(verdictColumn(verdictsOf(dataBlock(kPayload, 0x7E))), "data flag 0x7E");
}

TEST(EntryChecks, BlocksCutShortByTheEndOfTheFile)
{
    const std::string whole =
        headerBlock(0, "prog", 100, 10, 100) + dataBlock(std::string(100, 'x'));
    // Cut inside the data block: its checksum is not there to compare.
    const auto cut = verdictsOf(std::string_view(whole).substr(0, 21 + 2 + 40));
    EXPECT_EQ(verdictColumn(cut), "data block cut short");
    const auto words = texts(cut);
    EXPECT_NE(std::find(words.begin(), words.end(),
                        "Data block cut short by the end of the file: 40 of 102 bytes present"),
              words.end());
    // Ends right after the header; inside the header; inside a length field.
    EXPECT_EQ(verdictColumn(verdictsOf(std::string_view(whole).substr(0, 21))),
              "data block missing");
    EXPECT_EQ(verdictColumn(verdictsOf(std::string_view(whole).substr(0, 10))),
              "header block cut short");
    EXPECT_EQ(verdictColumn(verdictsOf(std::string_view(whole).substr(0, 22))),
              "data block cut short");
}

TEST(EntryChecks, OddlySizedBlocks)
{
    // A header block of 5 bytes is no standard header; an empty data block has no flag or checksum.
    const std::string shortHeader = framed(withChecksum(std::string("\0\3abc", 5))) + framed("");
    const auto verdicts = verdictsOf(shortHeader);
    EXPECT_EQ(verdictColumn(verdicts), "header length 6, data block too short");
    EXPECT_EQ(factsOfEntry(shortHeader).length(), 2u + 6u + 2u);
}

}  // namespace
}  // namespace murax::testing
