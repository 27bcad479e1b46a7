// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Blocks found in the pulses of a recording, made here from a loader's lengths: turbo loaders'
// blocks; blocks whose checksum fails or that break off keep what was read and say where; what
// makes no whole byte is left out. The ROM's blocks at any speed are the round trips' to check.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tape/sound/block_finder.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax {
namespace {

// A loader's pulse lengths in T-states.
struct Timing {
    double pilot, firstSync, secondSync, zero, one;
    int pilotPulses;
};
constexpr Timing kRom{2168, 667, 735, 855, 1710, 3223};
constexpr Timing kTurbo{1600, 420, 500, 520, 1040, 1500};

class Pulses {
public:
    // The pulses of `bytes`, the first `bits` bits of them (all by default), then a pause.
    void block(const std::string& bytes, const Timing& timing, std::size_t bits = std::string::npos)
    {
        for (int i = 0; i < timing.pilotPulses; ++i)
            add(timing.pilot);
        add(timing.firstSync);
        add(timing.secondSync);
        for (std::size_t i = 0; i < std::min(bits, 8 * bytes.size()); ++i) {
            const bool one = static_cast<unsigned char>(bytes[i / 8]) & (0x80 >> (i % 8));
            add((one ? timing.one : timing.zero));
            add((one ? timing.one : timing.zero));
        }
        add(3'500'000);
    }
    void add(double length)
    {
        time_ += length / 3.5e6;
        pulses_.push_back({length, time_});
    }
    std::vector<Pulse>& all() { return pulses_; }

private:
    std::vector<Pulse> pulses_;
    double time_ = 0;
};

struct Found {
    std::vector<RecordedBlock> blocks;
    std::vector<LeftOutSignal> leftOut;
};

Found find(const std::vector<Pulse>& pulses)
{
    Found found;
    BlockFinder finder([&](RecordedBlock&& b) { found.blocks.push_back(std::move(b)); },
                       [&](LeftOutSignal&& s) { found.leftOut.push_back(std::move(s)); });
    for (const Pulse& pulse : pulses)
        finder.take(pulse);
    finder.finish();
    return found;
}

std::string code(std::size_t size, unsigned char seed)
{
    std::string payload;
    for (std::size_t i = 0; i < size; ++i)
        payload += static_cast<char>(seed + i * 37 + (i >> 3));
    return testing::dataBlock(payload).substr(2);
}

// Turbo loaders' blocks: another pilot, sync and bit lengths, or the ROM's pilot and shorter bits.
class EachTurbo : public ::testing::TestWithParam<Timing> {};

TEST_P(EachTurbo, GivesTheBytesAsATurboBlock)
{
    const std::string header = testing::headerBlock(3, "speed", 300, 32768, 0).substr(2);
    const std::string data = code(300, 5);
    Pulses pulses;
    pulses.block(header, GetParam());
    pulses.block(data, GetParam());
    const Found found = find(pulses.all());
    ASSERT_EQ(found.blocks.size(), 2u);
    EXPECT_EQ(found.blocks[0].bytes, header);
    EXPECT_EQ(found.blocks[1].bytes, data);
    for (const RecordedBlock& block : found.blocks) {
        EXPECT_EQ(block.speed, RecordedBlock::Speed::Turbo);
        EXPECT_EQ(block.verdict, RecordedBlock::Verdict::Ok);
    }
    EXPECT_TRUE(found.leftOut.empty());
}

INSTANTIATE_TEST_SUITE_P(Loaders, EachTurbo,
                         ::testing::Values(kTurbo, Timing{2168, 667, 735, 500, 1000, 3223}));

TEST(BlockFinder, ABlockWhoseChecksumFailsIsKeptAndNamesItsLeastSureByte)
{
    const std::string data = code(200, 9);
    Pulses pulses;
    pulses.block(data, kRom);
    // Bit 3 of byte 57 moved across the middle between its two lengths, barely.
    const bool one = static_cast<unsigned char>(data[57]) & 0x10;
    const double middle = (kRom.zero + kRom.one) / 2;
    Pulse* bit = &pulses.all()[kRom.pilotPulses + 2 + 2 * (8 * 57 + 3)];
    bit[0].length = bit[1].length = one ? middle - 20 : middle + 20;
    const Found found = find(pulses.all());
    ASSERT_EQ(found.blocks.size(), 1u);
    const RecordedBlock& block = found.blocks[0];
    EXPECT_EQ(block.verdict, RecordedBlock::Verdict::ChecksumFailed);
    EXPECT_EQ(block.bytes.size(), data.size());
    EXPECT_EQ(block.bytes[57] ^ data[57], 0x10);
    EXPECT_EQ(block.failedByte, 57u);
    // When the byte begins: the end of the pulse before its first bit.
    const std::size_t byteStart = static_cast<std::size_t>(kRom.pilotPulses) + 2 + 2 * 8 * 57;
    EXPECT_NEAR(block.failedSeconds, pulses.all()[byteStart - 1].endSeconds, 1e-6);
}

// A data block after its header breaking off after `bits` bits, then a pause or the recording's
// end.
struct BreakOff {
    const char* name;
    std::size_t bits;
    bool pauseAfter;
};

class EachBreakOff : public ::testing::TestWithParam<BreakOff> {};

TEST_P(EachBreakOff, KeepsTheBlockCutShortSayingWhere)
{
    const std::string header = testing::headerBlock(3, "cut", 1000, 32768, 0).substr(2);
    const std::string data = code(1000, 3);
    Pulses pulses;
    pulses.block(header, kRom);
    pulses.block(data, kRom, GetParam().bits);
    if (!GetParam().pauseAfter)
        pulses.all().pop_back();
    const double lastBit =
        pulses.all()[pulses.all().size() - (GetParam().pauseAfter ? 2 : 1)].endSeconds;
    const Found found = find(pulses.all());
    ASSERT_EQ(found.blocks.size(), 2u);
    const RecordedBlock& block = found.blocks[1];
    EXPECT_EQ(block.verdict, RecordedBlock::Verdict::BrokeOff);
    EXPECT_EQ(block.bytes, data.substr(0, GetParam().bits / 8));
    EXPECT_EQ(block.failedByte, GetParam().bits / 8);
    EXPECT_NEAR(block.failedSeconds, lastBit, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Ends, EachBreakOff,
                         ::testing::Values(BreakOff{"at_a_pause", 8 * 400, true},
                                           BreakOff{"at_the_recordings_end", 8 * 60 + 5, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Tones that make no whole byte: left out, and said when they had a pilot and sync.
struct NoByte {
    const char* name;
    Timing timing;
    std::size_t bits;
    const char* says;  // empty: nothing is said
};

class EachNoByte : public ::testing::TestWithParam<NoByte> {};

TEST_P(EachNoByte, MakesNoBlock)
{
    Pulses pulses;
    pulses.block(code(50, 2), GetParam().timing, GetParam().bits);
    const Found found = find(pulses.all());
    EXPECT_TRUE(found.blocks.empty());
    if (*GetParam().says == '\0') {
        EXPECT_TRUE(found.leftOut.empty());
        return;
    }
    ASSERT_EQ(found.leftOut.size(), 1u);
    EXPECT_NE(found.leftOut[0].what.find(GetParam().says), std::string::npos)
        << found.leftOut[0].what;
}

INSTANTIATE_TEST_SUITE_P(
    Tones, EachNoByte,
    ::testing::Values(NoByte{"turbo_of_no_whole_byte", kTurbo, 8 * 20 + 3, "163 bits"},
                      NoByte{"pilot_and_sync_alone", kRom, 5, "no whole byte"},
                      NoByte{"pilot_too_short", Timing{2168, 667, 735, 855, 1710, 200}, 64, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BlockFinder, AClickInThePilotIsNotTakenForTheSync)
{
    const std::string data = code(100, 4);
    Pulses pulses;
    pulses.block(data, kRom);
    // Pilot pulse 1000 split in three by a click: two short pulses where the sync would be.
    std::vector<Pulse>& all = pulses.all();
    const Pulse pilot = all[1000];
    all[1000] = {300, pilot.endSeconds - 1868 / 3.5e6};
    all.insert(all.begin() + 1001,
               {Pulse{200, pilot.endSeconds - 1668 / 3.5e6}, Pulse{1668, pilot.endSeconds}});
    const Found found = find(pulses.all());
    ASSERT_EQ(found.blocks.size(), 1u);
    EXPECT_EQ(found.blocks[0].bytes, data);
    EXPECT_NEAR(found.blocks[0].startSeconds, 0, 1e-3);
}

}  // namespace
}  // namespace murax
