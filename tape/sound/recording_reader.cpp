// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/recording_reader.h"

#include <cstring>
#include <variant>

#include "tape/sound/edge_finder.h"
#include "tape/sound/sample_channels.h"

namespace murax {
namespace {

// The bytes read at once: what a file source holds, a whole number of frames of any layout.
constexpr std::size_t kPieceBytes = 1 << 16;

std::string dataSizeLies(const WavLayout& layout, std::uint64_t held)
{
    return "a WAV file whose data size lies: its header says " +
           std::to_string(layout.dataChunkBytes) + " bytes of samples, the file holds " +
           std::to_string(held);
}

}  // namespace

RecordingOutcome readRecording(TapeSource& source, std::optional<std::uint64_t> fileSize,
                               const BlockFinder::BlockTaker& takeBlock,
                               const BlockFinder::LeftOutTaker& takeLeftOut,
                               const RecordingProgress& progress)
{
    RecordingOutcome outcome;
    auto header = readWavLayout(source, fileSize);
    if (auto* refusal = std::get_if<std::string>(&header)) {
        outcome.refusal = std::move(*refusal);
        return outcome;
    }
    const WavLayout layout = std::get<WavLayout>(header);
    outcome.layout = layout;
    EdgeFinder edges(layout.sampleRate);
    BlockFinder blocks(takeBlock, takeLeftOut);
    SampleChannels channels(layout);
    std::vector<Pulse> pulses;
    const std::size_t frameBytes = layout.frameBytes();
    const std::size_t pieceBytes = kPieceBytes - kPieceBytes % frameBytes;
    std::uint64_t done = 0;
    while (done < layout.dataBytes) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(pieceBytes, layout.dataBytes - done));
        const std::string_view piece = source.bytesAt(layout.dataOffset + done, wanted);
        const std::size_t frames = piece.size() / frameBytes;
        if (frames == 0) {
            outcome.refusal = "a WAV file whose data size lies: its header says " +
                              std::to_string(layout.dataBytes) +
                              " bytes of samples, the file "
                              "holds " +
                              std::to_string(done + piece.size());
            return outcome;
        }
        pulses.clear();
        edges.feed(channels.mono(piece.substr(0, frames * frameBytes)), pulses);
        for (const Pulse& pulse : pulses)
            blocks.take(pulse);
        done += frames * frameBytes;
        if (progress &&
            !progress(static_cast<double>(done) / static_cast<double>(layout.dataBytes))) {
            outcome.cancelled = true;
            return outcome;
        }
    }
    // The part of a frame that the data may end in is not read, but it must be there.
    const auto rest = static_cast<std::size_t>(layout.dataChunkBytes - layout.dataBytes);
    if (rest > 0) {
        const std::size_t held = source.bytesAt(layout.dataOffset + done, rest).size();
        if (held < rest) {
            outcome.refusal = dataSizeLies(layout, done + held);
            return outcome;
        }
    }
    blocks.finish();
    return outcome;
}

Recording readWholeRecording(TapeSource& source, std::optional<std::uint64_t> fileSize,
                             const RecordingProgress& progress)
{
    Recording recording;
    recording.outcome = readRecording(
        source, fileSize,
        [&](RecordedBlock&& block) { recording.blocks.push_back(std::move(block)); },
        [&](LeftOutSignal&& signal) { recording.leftOut.push_back(std::move(signal)); }, progress);
    return recording;
}

}  // namespace murax
