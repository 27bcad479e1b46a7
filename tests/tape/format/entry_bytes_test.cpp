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

}  // namespace
}  // namespace murax::testing
