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

// Appends the pulses of `bytes` saved with `timing`, the first `bits` bits of them (all by
// default), then a second's pause.
void addBlock(std::vector<Pulse>& pulses, const std::string& bytes, const Timing& timing,
              std::size_t bits = std::string::npos)
{
    double time = pulses.empty() ? 0 : pulses.back().endSeconds;
    const auto add = [&](double length) { pulses.push_back({length, time += length / 3.5e6}); };
    for (int i = 0; i < timing.pilotPulses; ++i)
        add(timing.pilot);
    add(timing.firstSync);
    add(timing.secondSync);
    for (std::size_t i = 0; i < std::min(bits, 8 * bytes.size()); ++i) {
        const bool one = static_cast<unsigned char>(bytes[i / 8]) & (0x80 >> (i % 8));
        add(one ? timing.one : timing.zero);
        add(one ? timing.one : timing.zero);
    }
    add(3'500'000);
}

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

// A data block of `size` bytes of code, its flag and checksum around them.
std::string code(std::size_t size, unsigned char seed)
{
    std::string payload;
    for (std::size_t i = 0; i < size; ++i)
        payload += static_cast<char>(seed + i * 37 + (i >> 3));
    return testing::dataBlock(payload).substr(2);
}

TEST(BlockFinder, ABlockWhoseChecksumFailsIsKeptAndNamesItsLeastSureByte)
{
    const std::string data = code(200, 9);
    std::vector<Pulse> pulses;
    addBlock(pulses, data, kRom);
    // Bit 3 of byte 57 moved across the middle between its two lengths, barely.
    const bool one = static_cast<unsigned char>(data[57]) & 0x10;
    const double middle = (kRom.zero + kRom.one) / 2;
    const std::size_t byteStart = static_cast<std::size_t>(kRom.pilotPulses) + 2 + 2 * 8 * 57;
    Pulse* bit = &pulses[byteStart + 2 * 3];
    bit[0].length = bit[1].length = one ? middle - 20 : middle + 20;
    const Found found = find(pulses);
    ASSERT_EQ(found.blocks.size(), 1u);
    const RecordedBlock& block = found.blocks[0];
    EXPECT_EQ(block.verdict, RecordedBlock::Verdict::ChecksumFailed);
    EXPECT_EQ(block.bytes.size(), data.size());
    EXPECT_EQ(block.bytes[57] ^ data[57], 0x10);
    EXPECT_EQ(block.failedByte, 57u);
    // When the byte begins: the end of the pulse before its first bit.
    EXPECT_NEAR(block.failedSeconds, pulses[byteStart - 1].endSeconds, 1e-6);
}

// A data block saved with `timing`, after its header or alone, cut after `bits` bits (or whole),
// then a pause or the recording's end. One that makes a whole byte is kept, one that broke off
// saying where; one that does not is left out, said when it had a pilot and sync.
struct Signal {
    const char* name;
    Timing timing;
    bool afterHeader;
    std::size_t bits;
    bool pauseAfter;
    RecordedBlock::Verdict verdict = RecordedBlock::Verdict::BrokeOff;
    const char* leftOut = nullptr;  // left out, saying this ("": nothing said)
};

class EachSignal : public ::testing::TestWithParam<Signal> {};

TEST_P(EachSignal, IsKeptOrLeftOut)
{
    const Signal& signal = GetParam();
    const std::string header = testing::headerBlock(3, "cut", 1000, 32768, 0).substr(2);
    const std::string data = code(1000, 3);
    std::vector<Pulse> pulses;
    if (signal.afterHeader)
        addBlock(pulses, header, signal.timing);
    addBlock(pulses, data, signal.timing, signal.bits);
    if (!signal.pauseAfter)
        pulses.pop_back();
    const double lastBit = pulses[pulses.size() - (signal.pauseAfter ? 2 : 1)].endSeconds;
    const Found found = find(pulses);
    const bool turbo = signal.timing.zero != kRom.zero;
    ASSERT_EQ(found.blocks.size(), (signal.afterHeader ? 1u : 0u) + (signal.leftOut ? 0u : 1u));
    for (const RecordedBlock& block : found.blocks)
        EXPECT_EQ(block.speed,
                  turbo ? RecordedBlock::Speed::Turbo : RecordedBlock::Speed::Standard);
    if (signal.afterHeader) {
        EXPECT_EQ(found.blocks[0].bytes, header);
    }
    if (signal.leftOut) {
        ASSERT_EQ(found.leftOut.size(), *signal.leftOut ? 1u : 0u);
        if (*signal.leftOut) {
            EXPECT_NE(found.leftOut[0].what.find(signal.leftOut), std::string::npos)
                << found.leftOut[0].what;
        }
        return;
    }
    EXPECT_TRUE(found.leftOut.empty());
    const RecordedBlock& block = found.blocks.back();
    EXPECT_EQ(block.verdict, signal.verdict);
    EXPECT_EQ(block.bytes, data.substr(0, signal.bits / 8));
    if (signal.verdict == RecordedBlock::Verdict::BrokeOff) {
        EXPECT_EQ(block.failedByte, signal.bits / 8);
        EXPECT_NEAR(block.failedSeconds, lastBit, 1e-6);
    }
}

constexpr auto kWhole = std::string::npos;
constexpr auto kOk = RecordedBlock::Verdict::Ok;

INSTANTIATE_TEST_SUITE_P(
    Signals, EachSignal,
    ::testing::Values(
        // Turbo loaders': another pilot, sync and bit lengths, or the ROM's pilot and shorter bits.
        Signal{"turbo", kTurbo, true, kWhole, true, kOk},
        Signal{"turbo_bits_after_the_roms_pilot", Timing{2168, 667, 735, 500, 1000, 3223}, true,
               kWhole, true, kOk},
        Signal{"broke_off_after_its_header_at_a_pause", kRom, true, 8 * 400, true},
        // Whole bytes whose checksum fails: it broke off, as the signal ended there.
        Signal{"broke_off_alone_at_the_recordings_end", kRom, false, 8 * 60, false},
        Signal{"broke_off_alone_in_a_byte_at_a_pause", kRom, false, 8 * 60 + 5, true},
        Signal{"turbo_of_no_whole_byte", kTurbo, false, 8 * 20 + 3, true, kOk, "163 bits"},
        Signal{"pilot_and_sync_alone", kRom, false, 5, true, kOk, "no whole byte"},
        Signal{"pilot_too_short", Timing{2168, 667, 735, 855, 1710, 200}, false, 64, true, kOk,
               ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BlockFinder, AClickInThePilotIsNotTakenForTheSync)
{
    const std::string data = code(100, 4);
    std::vector<Pulse> pulses;
    addBlock(pulses, data, kRom);
    // Pilot pulse 1000 split in three by a click: two short pulses where the sync would be.
    const Pulse pilot = pulses[1000];
    pulses[1000] = {300, pilot.endSeconds - 1868 / 3.5e6};
    pulses.insert(pulses.begin() + 1001,
                  {Pulse{200, pilot.endSeconds - 1668 / 3.5e6}, Pulse{1668, pilot.endSeconds}});
    const Found found = find(pulses);
    ASSERT_EQ(found.blocks.size(), 1u);
    EXPECT_EQ(found.blocks[0].bytes, data);
    EXPECT_NEAR(found.blocks[0].startSeconds, 0, 1e-3);
}

}  // namespace
}  // namespace murax
