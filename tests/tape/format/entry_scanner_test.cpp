// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/entry_scanner.h"

#include <gtest/gtest.h>

#include <random>

#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax::testing {
namespace {

// Tapes of sound entries with now and then a damaged length, flag or cut end, the kinds of bytes
// a scanner must take exactly as the whole-file split does.
std::string randomTape(std::mt19937& random)
{
    std::uniform_int_distribution<int> pick(0, 9), byte(0, 255);
    std::uniform_int_distribution<unsigned> size(0, 300);
    std::string tape;
    const int entries = pick(random) * 3;
    for (int i = 0; i < entries; ++i) {
        const unsigned length = size(random);
        std::string payload(length, '\0');
        for (char& c : payload)
            c = static_cast<char>(byte(random));
        switch (pick(random)) {
        case 0:
            tape += framed(payload);
            break;  // any bytes, a header or not
        case 1:
            tape += headerBlock(byte(random) % 5, "n", length + 3, 1, 2) + dataBlock(payload);
            break;
        case 2:
            tape += std::string(static_cast<std::size_t>(pick(random)), '\0');
            break;
        default:
            tape += headerBlock(3, "code", length, 32768, 0) + dataBlock(payload);
            break;
        }
    }
    if (!tape.empty() && pick(random) < 3)
        tape.resize(std::uniform_int_distribution<std::size_t>(0, tape.size() - 1)(random));
    return tape;
}

TEST(EntryScanner, FindsTheSameEntriesAndLinesAsTheWholeFileSplit)
{
    std::mt19937 random(15);
    for (int round = 0; round < 2000; ++round) {
        const std::string tape = randomTape(random);
        BlockList list;
        splitIntoEntries(tape, list);
        for (const bool withFacts : {false, true}) {
            MemoryTapeSource source(tape);
            EntryScanner scanner(source);
            ScannedEntry entry;
            EntryFacts facts;
            std::size_t i = 0;
            while (scanner.next(entry, withFacts ? &facts : nullptr)) {
                ASSERT_LT(i, list.count()) << "round " << round;
                EXPECT_EQ(entry.line, list.lines()[i].view())
                    << "round " << round << " entry " << i;
                EXPECT_EQ(tape.substr(entry.offset, entry.length), list.entries()[i])
                    << "round " << round;
                if (withFacts) {
                    EXPECT_EQ(verdictColumn(entryVerdicts(facts)),
                              verdictColumn(entryVerdicts(factsOfEntry(list.entries()[i]))));
                }
                ++i;
            }
            EXPECT_EQ(i, list.count()) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace murax::testing
