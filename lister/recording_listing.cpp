// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/recording_listing.h"

#include <algorithm>

#include "lister/tape_input.h"
#include "lister/tape_listing.h"
#include "tape/sound/recording_summary.h"
#include "tape/sound/recording_tap.h"

namespace murax::lister {
namespace {

void appendColumn(std::string& line, std::string_view text, std::size_t width)
{
    line.append(width - std::min(width, text.size()), ' ');
    line += text;
    line += "  ";
}

std::string formatText(const WavLayout& layout)
{
    return std::to_string(layout.sampleRate) + " Hz, " + std::to_string(layout.bitsPerSample) +
           (layout.encoding == WavLayout::Encoding::Float ? "-bit float, " : "-bit, ") +
           (layout.channels == 1 ? "mono" : "stereo");
}

}  // namespace

bool isRecording(TapeSource& source)
{
    return hasWavSignature(source.bytesAt(0, kWavSignatureBytes));
}

std::optional<Recording> readRecordingFile(const std::string& file, FileTapeSource& source,
                                           NativeFile& input, const std::string& consequence)
{
    Recording recording = readWholeRecording(source, input.regularFileSize());
    if (source.failed()) {
        reportUnreadable(file, input.error());
        return std::nullopt;
    }
    if (!recording.outcome.refusal.empty()) {
        reportProblem(file, recording.outcome.refusal + consequence);
        return std::nullopt;
    }
    return recording;
}

std::string tapOfRecording(const Recording& recording)
{
    return tapOfRecordedBlocks(recording.blocks);
}

bool writeRecordingListing(const Recording& recording, std::FILE* out, bool check)
{
    const auto count = [&](RecordedBlock::Verdict verdict) {
        return std::to_string(
            std::ranges::count(recording.blocks, verdict, &RecordedBlock::verdict));
    };
    const WavLayout& layout = *recording.outcome.layout;
    std::string text = "WAV recording, " + formatText(layout) + ", " +
                       recordingTime(layout.seconds()) + ": " +
                       std::to_string(recording.blocks.size()) + " blocks, " +
                       count(RecordedBlock::Verdict::ChecksumFailed) + " failing their checksum, " +
                       count(RecordedBlock::Verdict::BrokeOff) + " broken off\n";
    constexpr std::size_t kNumber = 5, kTime = 9, kLength = 6;
    if (!recording.blocks.empty()) {
        appendColumn(text, "Block", kNumber);
        appendColumn(text, "Time", kTime);
        text += "Kind      ";
        appendColumn(text, "Length", kLength);
        text += "Checksum\n";
    }
    for (std::size_t i = 0; i < recording.blocks.size(); ++i) {
        const RecordedBlock& block = recording.blocks[i];
        appendColumn(text, std::to_string(i + 1), kNumber);
        appendColumn(text, recordingTime(block.startSeconds), kTime);
        std::string kind = speedText(block);
        kind.resize(8, ' ');
        text += kind + "  ";
        appendColumn(text, std::to_string(block.bytes.size()), kLength);
        text += verdictText(block) + '\n';
    }
    for (const LeftOutSignal& signal : recording.leftOut)
        text += "Left out at " + recordingTime(signal.seconds) + ": " + signal.what + '\n';
    std::fwrite(text.data(), 1, text.size(), out);
    if (recording.blocks.empty())
        return true;
    std::fputc('\n', out);
    const std::string tap = tapOfRecording(recording);
    MemoryTapeSource entries(tap);
    return writeListing(entries, out, check);
}

bool reportImperfectBlocks(const std::string& file, const Recording& recording)
{
    bool any = !recording.leftOut.empty();
    for (std::size_t i = 0; i < recording.blocks.size(); ++i) {
        const RecordedBlock& block = recording.blocks[i];
        if (block.verdict == RecordedBlock::Verdict::Ok)
            continue;
        any = true;
        reportProblem(file, "block " + std::to_string(i + 1) + " at " +
                                recordingTime(block.startSeconds) + ": " + verdictText(block));
    }
    for (const LeftOutSignal& signal : recording.leftOut)
        reportProblem(file, "left out at " + recordingTime(signal.seconds) + ": " + signal.what);
    return any;
}

}  // namespace murax::lister
