// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tzx/tzx_reader.h"

#include <gtest/gtest.h>

#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/tzx/tzx_builder.h"

namespace murax::testing {
namespace {

using tzx::Fate;

const std::string kHeader = withChecksum(std::string("\x00\x03", 2) + "code      " +
                                         std::string("\x04\x00\x00\x80\x00\x80", 6));
const std::string kData = withChecksum(std::string("\xFF\x01\x02\x03\x04", 5));

// After a block under test, a standard block that must still be found where it begins.
const std::string kMarker = standardSpeed(kData);

// The first block of the tape, with the standard block after it read as an entry.
tzx::Block firstBlockBeforeMarker(const std::string& block, unsigned minor = 20)
{
    const tzx::Tape tape = tzx::readTzx(tzxFile(block + kMarker, minor));
    EXPECT_FALSE(tape.malformed) << tape.malformed->what;
    if (tape.blocks.size() != 2) {
        ADD_FAILURE() << tape.blocks.size() << " blocks read";
        return {};
    }
    EXPECT_EQ(tape.blocks[1].offset, tzx::kHeaderSize + block.size())
        << "the block's length is wrong";
    EXPECT_EQ(tape.blocks[1].fate, Fate::Entry);
    EXPECT_EQ(tape.blocks[1].tapBlock, framed(kData));
    return tape.blocks[0];
}

TEST(TzxReader, DataBlocksBecomeTheirTapBlocksUnchanged)
{
    const std::string file = tzxFile(standardSpeed(kHeader) + turboSpeed(kData) + pureData(kData) +
                                     generalisedData(kData));
    ASSERT_TRUE(tzx::hasTzxSignature(file));
    const tzx::Tape tape = tzx::readTzx(file);
    ASSERT_FALSE(tape.malformed);
    EXPECT_EQ(tzx::versionText(tape), "1.20");
    ASSERT_EQ(tape.blocks.size(), 4u);
    EXPECT_EQ(tape.blocks[0].offset, 10u);
    EXPECT_EQ(tape.blocks[1].offset, 10u + 5 + kHeader.size());
    for (const tzx::Block& block : tape.blocks)
        EXPECT_EQ(block.fate, Fate::Entry) << block.id;
    EXPECT_EQ(tzx::tapBytes(tape), framed(kHeader) + framed(kData) + framed(kData) + framed(kData));
    EXPECT_EQ(tzx::countOf(tape, Fate::Entry), 4u);
}

TEST(TzxReader, EveryBlockWithoutDataIsPassedOverWithItsWholeLength)
{
    for (const std::string& block : blocksWithoutData()) {
        SCOPED_TRACE(tzx::blockName(static_cast<unsigned char>(block[0])));
        const tzx::Block first = firstBlockBeforeMarker(block);
        EXPECT_EQ(first.id, static_cast<unsigned char>(block[0]));
        EXPECT_EQ(first.fate, Fate::PassedOver);
        EXPECT_EQ(first.offset, 10u);
        EXPECT_NE(tzx::blockName(first.id), "unknown");
    }
}

struct Unconverted {
    const char* what;
    std::string block;
    unsigned minor;
    const char* reason;
};

TEST(TzxReader, BlocksThatNoTapBlockCanHoldAreNamedWithTheReason)
{
    const std::string big(70000, 'b');
    const std::vector<Unconverted> cases = {
        {"pure tone", idAnd(0x12, littleEndianBytes(2168, 2) + littleEndianBytes(100, 2)), 20,
         "tone"},
        {"pulses", idAnd(0x13, '\x02' + littleEndianBytes(667, 2) + littleEndianBytes(735, 2)), 20,
         "pulses"},
        {"direct recording",
         idAnd(0x15, littleEndianBytes(79, 2) + littleEndianBytes(0, 2) + '\x08' +
                         littleEndianBytes(3, 3) + "abc"),
         20, "recorded"},
        {"CSW", idAnd(0x18, littleEndianBytes(12, 4) + std::string(12, '\x01')), 20, "recorded"},
        {"C64 ROM", idAnd(0x16, littleEndianBytes(3, 4) + "abc"), 20, "Commodore"},
        {"C64 turbo", idAnd(0x17, littleEndianBytes(0, 4)), 20, "Commodore"},
        {"snapshot", idAnd(0x40, '\0' + littleEndianBytes(2, 3) + "ab"), 20, "snapshot"},
        {"an unknown ID of version 1.10", idAnd(0x4B, littleEndianBytes(2, 4) + "zz"), 10,
         "does not know"},
        {"turbo, last byte partial", turboSpeed(kData, 6), 20, "its last byte has 6 bits, not 8"},
        {"pure data, last byte partial", pureData(kData, 1), 20, "its last byte has 1 bits, not 8"},
        {"pure data too long", pureData(big), 20,
         "70000 bytes, more than a TAP block holds (65535)"},
        {"generalised, bits that end inside a byte", generalisedData(kData, {.dataSymbols = 12}),
         20, "its last byte has 4 bits"},
        {"generalised, two-bit symbols", generalisedData(kData, {.alphabet = 4, .dataSymbols = 24}),
         20, "more than one bit"},
        {"generalised, one symbol", generalisedData("", {.alphabet = 1, .dataSymbols = 5}), 20,
         "one symbol only"},
        {"generalised, unequal pulses", generalisedData(kData, {.zero = {855, 900}}), 20,
         "equal pulses"},
        {"generalised, three pulses a bit", generalisedData(kData, {.one = {1710, 1710, 1710}}), 20,
         "equal pulses"},
        {"generalised, the 0 the longer",
         generalisedData(kData, {.zero = {1710, 1710}, .one = {855, 855}}), 20, "the 0 shorter"},
        {"generalised, a level kept", generalisedData(kData, {.flags = 1}), 20, "equal pulses"},
        {"generalised, pilot alone", generalisedData("", {.dataSymbols = 0}), 20, "without data"},
    };
    for (const Unconverted& c : cases) {
        SCOPED_TRACE(c.what);
        const tzx::Block first = firstBlockBeforeMarker(c.block, c.minor);
        EXPECT_EQ(first.fate, Fate::NotConverted);
        EXPECT_NE(first.reason.find(c.reason), std::string::npos) << first.reason;
        EXPECT_TRUE(first.tapBlock.empty());
    }
}

TEST(TzxReader, DataBlocksAtTheEdgesOfWhatATapBlockHolds)
{
    const std::string largest(65535, 'L');
    struct Edge {
        const char* what;
        std::string block;
        Fate fate;
        std::string tapBlock;
    };
    const std::vector<Edge> cases = {
        {"standard, no bytes", standardSpeed(""), Fate::PassedOver, ""},
        {"turbo, no bytes, partial last byte", turboSpeed("", 3), Fate::PassedOver, ""},
        {"pure data of 65535 bytes", pureData(largest), Fate::Entry, framed(largest)},
        {"generalised without pilot", generalisedData(kData, {.pilot = false}), Fate::Entry,
         framed(kData)},
        {"generalised with pulses ended by a 0", generalisedData(kData, {.zero = {855, 855, 0}}),
         Fate::Entry, framed(kData)},
        {"generalised, 0x1A and 0x00 bytes", generalisedData(std::string("\x1A\x00\xFF", 3)),
         Fate::Entry, framed(std::string("\x1A\x00\xFF", 3))},
    };
    for (const Edge& c : cases) {
        SCOPED_TRACE(c.what);
        const tzx::Block first = firstBlockBeforeMarker(c.block);
        EXPECT_EQ(first.fate, c.fate) << first.reason;
        EXPECT_EQ(first.tapBlock, c.tapBlock);
    }
}

struct Fault {
    const char* what;
    std::string file;
    std::size_t offset;
    const char* text;
    std::size_t blocksBefore;
};

TEST(TzxReader, MalformedTapesNameTheOffsetOfTheFault)
{
    const std::string good = standardSpeed(kData);
    const std::size_t second = 10 + good.size();
    const std::vector<Fault> cases = {
        {"no signature", framed(kData), 0, "does not begin with the TZX signature", 0},
        {"header cut short", std::string("ZXTape!\x1A\x01", 9), 9, "inside its 10-byte header", 0},
        {"major version 2", tzxFile(good, 0, 2), 8, "version at offset 8 is 2.00", 0},
        {"standard block longer than the file", tzxFile(good + good.substr(0, good.size() - 1)),
         second,
         "block 2 (ID 0x10, standard speed data) at offset 21 runs past the end of the file: it "
         "needs 10 "
         "bytes after its ID, 9 are left",
         1},
        {"fixed part cut short", tzxFile(good + "\x12\x01"), second,
         "block 2 (ID 0x12, pure tone) at offset 21 runs past the end of the file: it needs 4 "
         "bytes after its ID, 1 is left",
         1},
        {"turbo length of three bytes",
         tzxFile(good + turboSpeed(std::string(300, 't')).substr(0, 40)), second,
         "it needs 318 bytes after its ID", 1},
        {"unknown ID before version 1.10", tzxFile(good + idAnd(0x4B, littleEndianBytes(0, 4)), 2),
         second,
         "block 2 (ID 0x4B, unknown) at offset 21 has an ID that version 1.02 of the format does "
         "not "
         "define, so its length is unknown",
         1},
        {"unknown ID running past the end",
         tzxFile(good + idAnd(0x4B, littleEndianBytes(9, 4) + "z")), second, "runs past the end",
         1},
        {"generalised tables beyond its length",
         tzxFile(good + generalisedData(kData, {.bodyCut = 3})), second,
         "does not hold what it declares: its symbol tables and data need", 1},
        {"generalised fields beyond its length",
         tzxFile(good + idAnd(0x19, littleEndianBytes(3, 4) + "abc")), second,
         "its fields need 14 bytes", 1},
    };
    for (const Fault& c : cases) {
        SCOPED_TRACE(c.what);
        const tzx::Tape tape = tzx::readTzx(c.file);
        ASSERT_TRUE(tape.malformed);
        EXPECT_EQ(tape.malformed->offset, c.offset);
        EXPECT_NE(tape.malformed->what.find(c.text), std::string::npos) << tape.malformed->what;
        EXPECT_EQ(tape.blocks.size(), c.blocksBefore);
    }
}

TEST(TzxReader, AHeaderAloneIsAnEmptyTape)
{
    const tzx::Tape tape = tzx::readTzx(tzxFile("", 2));
    EXPECT_FALSE(tape.malformed);
    EXPECT_TRUE(tape.blocks.empty());
    EXPECT_EQ(tzx::versionText(tape), "1.02");
    EXPECT_EQ(tzx::tapBytes(tape), "");
    EXPECT_FALSE(tzx::hasTzxSignature(std::string("ZXTape!", 7)));
}

}  // namespace
}  // namespace murax::testing
