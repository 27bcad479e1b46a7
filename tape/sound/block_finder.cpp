// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/block_finder.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "tape/sound/loader_timing.h"

namespace murax {
namespace {

// The pulse lengths a pilot tone may have: the ROM's, a tape running well off its speed, and
// the pilots of turbo loaders.
constexpr double kShortestPilot = 1000, kLongestPilot = 3600;
// How many pulses of one length make a pilot tone: far fewer than any loader's, far more than
// music or noise keeps up.
constexpr std::size_t kPilotPulsesNeeded = 256;
// How far a pulse, and two pulses together, may stray from the pilot's length and still be part
// of the tone: the two pulses of a cycle may differ (an AC-coupled input shifts the edges), their
// sum hardly.
constexpr double kPilotPulseSlack = 0.3, kPilotCycleSlack = 0.15;
// A bit's two pulses together, against a cycle of the pilot: that long, they are the pilot going
// on after a click taken for the sync.
constexpr double kPilotLikeBit = 0.12;
// A pulse this many times the pilot's ends the block: the pause after it. The longest bit of the
// ROM's is 0.79 of its pilot pulse.
constexpr double kEndOfBits = 1.5;
// A TAP block's length field has 16 bits.
constexpr std::size_t kLongestBlock = 65535;
// A tape this far off the ROM's speed, by its pilot, and bits this far off the pilot's measure
// are taken as another loader's.
constexpr double kStandardSpeedSlack = 0.15, kStandardBitSlack = 0.2;

double toSeconds(double tStates)
{
    return tStates / static_cast<double>(kSpectrumClockHz);
}

bool checksumHolds(std::string_view bytes)
{
    unsigned char sum = 0;
    for (const char c : bytes)
        sum ^= static_cast<unsigned char>(c);
    return sum == 0;
}

// The two lengths of a block's bits (a 0 and a 1, each two pulses together), found by splitting
// them into two groups around a value between the groups' means until it settles. When the bits
// are all of one kind, `expected` (the ROM's lengths at the pilot's speed) tells which.
struct BitLengths {
    double zero = 0, one = 0;
};

BitLengths measureBits(const std::vector<float>& bits, BitLengths expected)
{
    std::vector<float> sorted(bits);
    const auto at = [&](double share) {
        const auto index = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1));
        std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(index),
                         sorted.end());
        return static_cast<double>(sorted[index]);
    };
    BitLengths lengths{at(0.02), at(0.98)};
    if (lengths.one < 1.4 * lengths.zero) {
        // One kind of bit: the nearer of the ROM's two lengths, by ratio.
        const double middle = at(0.5);
        if (std::abs(std::log(middle / expected.zero)) < std::abs(std::log(middle / expected.one)))
            return {middle, middle * expected.one / expected.zero};
        return {middle * expected.zero / expected.one, middle};
    }
    for (int round = 0; round < 8; ++round) {
        const double split = (lengths.zero + lengths.one) / 2;
        double sums[2] = {0, 0};
        std::size_t counts[2] = {0, 0};
        for (const float bit : bits) {
            const int kind = bit >= split ? 1 : 0;
            sums[kind] += bit;
            ++counts[kind];
        }
        if (counts[0] == 0 || counts[1] == 0)
            break;
        lengths = {sums[0] / static_cast<double>(counts[0]),
                   sums[1] / static_cast<double>(counts[1])};
    }
    return lengths;
}

}  // namespace

BlockFinder::BlockFinder(BlockTaker takeBlock, LeftOutTaker takeLeftOut)
    : takeBlock_(std::move(takeBlock)), takeLeftOut_(std::move(takeLeftOut))
{}

void BlockFinder::startPilot(const Pulse& pulse)
{
    state_ = State::Pilot;
    const bool fits = pulse.length >= kShortestPilot && pulse.length <= kLongestPilot;
    pilotPulses_ = fits ? 1 : 0;
    pilotLength_ = pulse.length;
    pilotStart_ = pulse.endSeconds - toSeconds(pulse.length);
}

void BlockFinder::take(const Pulse& pulse)
{
    const double length = pulse.length;
    switch (state_) {
    case State::Pilot: {
        const bool pulseFits = std::abs(length - pilotLength_) <= kPilotPulseSlack * pilotLength_;
        const bool cycleFits =
            pilotPulses_ < 2 ||
            std::abs(length + previous_ - 2 * pilotLength_) <= kPilotCycleSlack * 2 * pilotLength_;
        if (pilotPulses_ > 0 && pulseFits && cycleFits) {
            ++pilotPulses_;
            const double cycle = pilotPulses_ > 2 ? (length + previous_) / 2 : length;
            pilotLength_ += (cycle - pilotLength_) / 16;
        } else if (pilotPulses_ >= kPilotPulsesNeeded && length < 0.75 * pilotLength_ &&
                   length > 0.1 * pilotLength_) {
            firstSync_ = length;
            state_ = State::SecondSync;
        } else {
            startPilot(pulse);
        }
        break;
    }
    case State::SecondSync:
        if (firstSync_ + length < 1.1 * pilotLength_) {
            state_ = State::Data;
            dataStart_ = pulse.endSeconds;
            bits_.clear();
            halfBit_.reset();
        } else {
            startPilot(pulse);
        }
        break;
    case State::Data:
        if (length > kEndOfBits * pilotLength_) {
            endBlock(lastEnd_, false);
            startPilot(pulse);
            break;
        }
        if (!halfBit_) {
            halfBit_ = length;
            break;
        }
        bits_.push_back(static_cast<float>(*halfBit_ + length));
        halfBit_.reset();
        if (bits_.size() <= 2 &&
            std::abs(bits_.back() - 2 * pilotLength_) < kPilotLikeBit * 2 * pilotLength_) {
            // The pilot goes on: what looked like the sync was a click in it.
            state_ = State::Pilot;
            pilotPulses_ += 2 * bits_.size() + 2;
            break;
        }
        if (bits_.size() == 8 * kLongestBlock) {
            lastEnd_ = pulse.endSeconds;
            endBlock(lastEnd_, false);
            startPilot({0, pulse.endSeconds});
        }
        break;
    }
    previous_ = length;
    lastEnd_ = pulse.endSeconds;
}

void BlockFinder::finish()
{
    if (state_ == State::Data)
        endBlock(lastEnd_, true);
    state_ = State::Pilot;
    pilotPulses_ = 0;
}

void BlockFinder::endBlock(double endSeconds, bool signalEnded)
{
    state_ = State::Pilot;
    if (bits_.size() < 8) {
        takeLeftOut_({pilotStart_, "a pilot tone and sync with no whole byte after them"});
        return;
    }
    RecordedBlock block;
    block.startSeconds = pilotStart_;
    const double speed = static_cast<double>(kPilotPulse) / pilotLength_;
    const BitLengths expected{2.0 * kZeroBitPulse / speed, 2.0 * kOneBitPulse / speed};
    const BitLengths measured = measureBits(bits_, expected);
    const bool standard = std::abs(speed - 1) < kStandardSpeedSlack &&
                          std::abs(measured.zero / expected.zero - 1) < kStandardBitSlack &&
                          std::abs(measured.one / expected.one - 1) < kStandardBitSlack;
    block.speed = standard ? RecordedBlock::Speed::Standard : RecordedBlock::Speed::Turbo;

    // Each bit against the middle of the two lengths as they drift with the tape's speed; the
    // least sure bit is the one nearest to that middle.
    double zero = measured.zero, one = measured.one;
    block.bytes.assign(bits_.size() / 8, '\0');
    double leastSure = 2;
    double time = dataStart_, byteStart = dataStart_;
    for (std::size_t i = 0; i < 8 * block.bytes.size(); ++i) {
        if (i % 8 == 0)
            byteStart = time;
        const double bit = bits_[i];
        const double middle = (zero + one) / 2;
        const bool isOne = bit >= middle;
        if (isOne) {
            block.bytes[i / 8] = static_cast<char>(block.bytes[i / 8] | (0x80 >> (i % 8)));
            one += (bit - one) / 32;
        } else {
            zero += (bit - zero) / 32;
        }
        const double sureness = std::abs(bit - middle) / (one - zero);
        if (sureness < leastSure) {
            leastSure = sureness;
            block.failedByte = i / 8;
            block.failedSeconds = byteStart;
        }
        time += toSeconds(bit);
    }
    const bool wholeBytes = bits_.size() % 8 == 0;
    // The length a header before it gives, or a header's own.
    std::optional<std::size_t> expectedLength = expectedLength_;
    if (standard && block.bytes[0] == 0)
        expectedLength = 19;
    if (expectedLength && block.bytes.size() > *expectedLength &&
        checksumHolds(std::string_view(block.bytes).substr(0, *expectedLength))) {
        // Bits made of what followed the block in the pause.
        block.bytes.resize(*expectedLength);
    } else if (expectedLength && block.bytes.size() < *expectedLength) {
        block.verdict = RecordedBlock::Verdict::BrokeOff;
    }
    if (block.verdict == RecordedBlock::Verdict::Ok && !checksumHolds(block.bytes)) {
        if (signalEnded || !wholeBytes)
            block.verdict = RecordedBlock::Verdict::BrokeOff;
        else
            block.verdict = RecordedBlock::Verdict::ChecksumFailed;
    }
    if (block.verdict == RecordedBlock::Verdict::BrokeOff) {
        block.failedByte = block.bytes.size();
        block.failedSeconds = endSeconds;
        if (!standard && !wholeBytes) {
            takeLeftOut_({pilotStart_, "a turbo signal of " + std::to_string(bits_.size()) +
                                           " bits, which do not make whole bytes"});
            return;
        }
    }
    emit(std::move(block));
}

void BlockFinder::emit(RecordedBlock&& block)
{
    const std::string& bytes = block.bytes;
    expectedLength_.reset();
    if (block.speed == RecordedBlock::Speed::Standard &&
        block.verdict == RecordedBlock::Verdict::Ok && bytes.size() == 19 && bytes[0] == 0)
        expectedLength_ = static_cast<unsigned char>(bytes[12]) +
                          256u * static_cast<unsigned char>(bytes[13]) + 2u;
    takeBlock_(std::move(block));
}

}  // namespace murax
