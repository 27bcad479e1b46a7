// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Blocks found in the pulses of a recording, made here from a loader's lengths: the ROM's at its
// speed and off it, and a turbo loader's; blocks whose checksum fails or that break off keep what
// was read and say where; what makes no whole byte is left out and said.
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
    // The pulses of `bytes`, `scale` times as long as `timing` says (a tape running slow), the
    // first `bits` bits of them (all by default), then a pause.
    void block(const std::string& bytes, const Timing& timing, double scale = 1,
               std::size_t bits = std::string::npos)
    {
        for (int i = 0; i < timing.pilotPulses; ++i)
            add(timing.pilot * scale);
        add(timing.firstSync * scale);
        add(timing.secondSync * scale);
        for (std::size_t i = 0; i < std::min(bits, 8 * bytes.size()); ++i) {
            const bool one = static_cast<unsigned char>(bytes[i / 8]) & (0x80 >> (i % 8));
            add((one ? timing.one : timing.zero) * scale);
            add((one ? timing.one : timing.zero) * scale);
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

struct SpeedCase {
    const char* name;
    Timing timing;
    double scale;
    RecordedBlock::Speed speed;
};

class EachSpeed : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(EachSpeed, GivesTheBytesAndTheKind)
{
    const std::string header = testing::headerBlock(3, "speed", 300, 32768, 0).substr(2);
    const std::string data = code(300, 5);
    Pulses pulses;
    pulses.block(header, GetParam().timing, GetParam().scale);
    pulses.block(data, GetParam().timing, GetParam().scale);
    const Found found = find(pulses.all());
    ASSERT_EQ(found.blocks.size(), 2u);
    EXPECT_EQ(found.blocks[0].bytes, header);
    EXPECT_EQ(found.blocks[1].bytes, data);
    for (const RecordedBlock& block : found.blocks) {
        EXPECT_EQ(block.speed, GetParam().speed);
        EXPECT_EQ(block.verdict, RecordedBlock::Verdict::Ok);
        EXPECT_NEAR(block.speedRatio * GetParam().scale * GetParam().timing.pilot, kRom.pilot, 5);
    }
    EXPECT_TRUE(found.leftOut.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Speeds, EachSpeed,
    ::testing::Values(SpeedCase{"rom", kRom, 1, RecordedBlock::Speed::Standard},
                      SpeedCase{"rom_10pc_fast", kRom, 1 / 1.1, RecordedBlock::Speed::Standard},
                      SpeedCase{"rom_10pc_slow", kRom, 1.1, RecordedBlock::Speed::Standard},
                      SpeedCase{"turbo", kTurbo, 1, RecordedBlock::Speed::Turbo},
                      SpeedCase{"rom_pilot_turbo_bits", Timing{2168, 667, 735, 500, 1000, 3223}, 1,
                                RecordedBlock::Speed::Turbo}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST(BlockFinder, ABlockThatBreaksOffIsKeptCutShortSayingWhereAfterItsHeader)
{
    const std::string header = testing::headerBlock(3, "cut", 1000, 32768, 0).substr(2);
    const std::string data = code(1000, 3);
    Pulses pulses;
    pulses.block(header, kRom);
    pulses.block(data, kRom, 1, 8 * 400);
    const double brokeAt = pulses.all()[pulses.all().size() - 2].endSeconds;
    const Found found = find(pulses.all());
    ASSERT_EQ(found.blocks.size(), 2u);
    const RecordedBlock& block = found.blocks[1];
    EXPECT_EQ(block.verdict, RecordedBlock::Verdict::BrokeOff);
    EXPECT_EQ(block.bytes, data.substr(0, 400));
    EXPECT_EQ(block.failedByte, 400u);
    EXPECT_NEAR(block.failedSeconds, brokeAt, 1e-6);
}

TEST(BlockFinder, ARecordingThatEndsInABlockEndsItBrokenOff)
{
    const std::string data = code(100, 1);
    Pulses pulses;
    pulses.block(data, kRom, 1, 8 * 60 + 5);
    pulses.all().pop_back();  // no pause: the recording ends
    const Found found = find(pulses.all());
    ASSERT_EQ(found.blocks.size(), 1u);
    EXPECT_EQ(found.blocks[0].verdict, RecordedBlock::Verdict::BrokeOff);
    EXPECT_EQ(found.blocks[0].bytes, data.substr(0, 60));
    EXPECT_EQ(found.blocks[0].failedByte, 60u);
}

TEST(BlockFinder, ATurboSignalOfNoWholeBytesIsLeftOutAndSaid)
{
    Pulses pulses;
    pulses.block(code(50, 2), kTurbo, 1, 8 * 20 + 3);
    const Found found = find(pulses.all());
    EXPECT_TRUE(found.blocks.empty());
    ASSERT_EQ(found.leftOut.size(), 1u);
    EXPECT_NE(found.leftOut[0].what.find("163 bits"), std::string::npos) << found.leftOut[0].what;
}

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

TEST(BlockFinder, APilotAndSyncWithoutAByteAreLeftOutAndSaid)
{
    Pulses pulses;
    pulses.block(code(10, 0), kRom, 1, 5);
    const Found found = find(pulses.all());
    EXPECT_TRUE(found.blocks.empty());
    EXPECT_EQ(found.leftOut.size(), 1u);
}

TEST(BlockFinder, NoiseAndShortTonesMakeNoBlock)
{
    Pulses pulses;
    std::uint32_t x = 1;
    for (int i = 0; i < 20000; ++i) {
        x = x * 1103515245 + 12345;
        pulses.add(200 + (x >> 16) % 6000);
    }
    for (int i = 0; i < 200; ++i)
        pulses.add(kRom.pilot);
    pulses.add(kRom.firstSync);
    pulses.add(kRom.secondSync);
    for (int i = 0; i < 64; ++i)
        pulses.add(kRom.zero);
    const Found found = find(pulses.all());
    EXPECT_TRUE(found.blocks.empty());
}

}  // namespace
}  // namespace murax
