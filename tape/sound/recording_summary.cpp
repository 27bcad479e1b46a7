// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/recording_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace murax {

std::string recordingTime(double seconds)
{
    const auto tenths = static_cast<long long>(std::llround(std::max(seconds, 0.0) * 10));
    const long long hours = tenths / 36000, minutes = tenths / 600 % 60;
    const double rest = static_cast<double>(tenths % 600) / 10;
    char text[40];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%lld:%02lld:%04.1f", hours, minutes, rest);
    else
        std::snprintf(text, sizeof text, "%lld:%04.1f", minutes, rest);
    return text;
}

std::string verdictText(const RecordedBlock& block)
{
    switch (block.verdict) {
    case RecordedBlock::Verdict::Ok:
        return "checksum OK";
    case RecordedBlock::Verdict::ChecksumFailed:
        return "checksum fails (likeliest wrong: byte " + std::to_string(block.failedByte) +
               " at " + recordingTime(block.failedSeconds) + ")";
    case RecordedBlock::Verdict::BrokeOff:
        break;
    }
    return "broke off at " + recordingTime(block.failedSeconds) + " in byte " +
           std::to_string(block.failedByte);
}

std::string speedText(const RecordedBlock& block)
{
    return block.speed == RecordedBlock::Speed::Standard ? "standard" : "turbo";
}

std::string recordingSummary(const std::vector<RecordedBlock>& blocks,
                             const std::vector<LeftOutSignal>& leftOut)
{
    std::string text;
    if (blocks.empty()) {
        text = "No block of a tape was found in the recording.";
    } else {
        text = blocks.size() == 1 ? "1 block was found, at "
                                  : std::to_string(blocks.size()) + " blocks were found, at ";
        const std::size_t timed = std::min(blocks.size(), kNamedInSummary);
        for (std::size_t i = 0; i < timed; ++i)
            text += (i == 0 ? "" : ", ") + recordingTime(blocks[i].startSeconds);
        if (timed < blocks.size())
            text += " and " + std::to_string(blocks.size() - timed) + " more";
        text += '.';
    }
    // The failed blocks take the lines before the signals left out: they are what is repaired.
    std::size_t lines = 0, failedMore = 0, leftOutMore = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const RecordedBlock& block = blocks[i];
        if (block.verdict == RecordedBlock::Verdict::Ok)
            continue;
        if (lines == kNamedInSummary) {
            ++failedMore;
            continue;
        }
        ++lines;
        text += "\nBlock " + std::to_string(i + 1) + " (" + speedText(block) + ", at " +
                recordingTime(block.startSeconds) + "): ";
        if (block.verdict == RecordedBlock::Verdict::ChecksumFailed)
            text += "its checksum fails; the byte likeliest to be wrong is byte " +
                    std::to_string(block.failedByte) + ", at " +
                    recordingTime(block.failedSeconds) + ".";
        else
            text += "it breaks off at " + recordingTime(block.failedSeconds) + ", in byte " +
                    std::to_string(block.failedByte) + "; the bytes before are taken in.";
    }
    for (const LeftOutSignal& signal : leftOut) {
        if (lines == kNamedInSummary) {
            ++leftOutMore;
            continue;
        }
        ++lines;
        text += "\nLeft out at " + recordingTime(signal.seconds) + ": " + signal.what + ".";
    }
    if (failedMore > 0 || leftOutMore > 0) {
        const auto more = [](std::size_t n, const char* one, const char* many) {
            return std::to_string(n) + " more " + (n == 1 ? one : many);
        };
        text += "\nand ";
        if (failedMore > 0)
            text += more(failedMore, "failed block", "failed blocks") +
                    (leftOutMore > 0 ? " and " : "");
        if (leftOutMore > 0)
            text += more(leftOutMore, "signal left out", "signals left out");
        text += '.';
    }
    return text;
}

}  // namespace murax
