// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/recording_tap.h"

#include <gtest/gtest.h>

#include "tests/support/helpers/tape_builder.h"

namespace murax::testing {
namespace {

using Verdict = RecordedBlock::Verdict;

RecordedBlock found(std::string bytes, Verdict verdict = Verdict::Ok,
                    RecordedBlock::Speed speed = RecordedBlock::Speed::Standard)
{
    return {.bytes = std::move(bytes), .speed = speed, .verdict = verdict};
}

// A TAP block of `meant` bytes whose file ends after these bytes of it.
std::string cutShort(std::size_t meant, std::string_view bytes)
{
    std::string tap;
    appendWord(tap, static_cast<unsigned>(meant));
    return tap + std::string(bytes);
}

struct Case {
    const char* what;
    std::vector<RecordedBlock> blocks;
    std::string tap;
};

TEST(RecordingTap, EachBlockIsFramedAndOnlyALastBlockThatBrokeOffIsCutShort)
{
    // The blocks without their length fields: a header of data 300 bytes long, and that data.
    const std::string header = headerBlock(3, "code", 300, 0, 0).substr(2);
    const std::string data = dataBlock(std::string(300, 'd')).substr(2);
    const std::string part = data.substr(0, 120);
    const std::string lone7 = lone(7).substr(2);
    const Case cases[] = {
        {"whole blocks, a failed checksum among them",
         {found(header), found(data, Verdict::ChecksumFailed)},
         framed(header) + framed(data)},
        {"data that broke off after its header is as long as the header says",
         {found(lone7), found(header), found(part, Verdict::BrokeOff)},
         framed(lone7) + framed(header) + cutShort(302, part)},
        {"a header that broke off is a header's length",
         {found(lone7), found(header.substr(0, 7), Verdict::BrokeOff)},
         framed(lone7) + cutShort(19, header.substr(0, 7))},
        {"a block that broke off with others after it holds what was read",
         {found(header), found(part, Verdict::BrokeOff), found(lone7)},
         framed(header) + framed(part) + framed(lone7)},
        {"a headerless block that broke off: its length is not known",
         {found(lone7), found(part, Verdict::BrokeOff)},
         framed(lone7) + framed(part)},
        {"a turbo block of flag 0 is no standard header",
         {found(part.substr(0, 3).insert(0, 1, '\0'), Verdict::BrokeOff,
                RecordedBlock::Speed::Turbo)},
         framed(std::string(1, '\0') + part.substr(0, 3))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tapOfRecordedBlocks(c.blocks), c.tap) << c.what;
}

}  // namespace
}  // namespace murax::testing
