// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/tape_file_reading.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <utility>

#include "seam/app_context.h"
#include "seam/message_box.h"
#include "support/error_record.h"
#include "support/platform/file_error.h"
#include "support/platform/native_file.h"
#include "tape/commands/paced_progress.h"
#include "tape/format/file_tape_source.h"
#include "tape/sound/recording_reader.h"
#include "tape/sound/recording_summary.h"
#include "tape/sound/recording_tap.h"
#include "tape/sound/wav_layout.h"
#include "tape/tzx/tzx_summary.h"
#include "tape/tzx/tzx_tap_stream.h"

namespace murax {
namespace {

// The most blocks a notice names one by one; a tape of custom loaders can have hundreds.
constexpr std::size_t kNamedBlocks = 20;

std::string counted(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The blocks that a notice names, and how many more were left out.
struct LeftOut {
    std::vector<std::string> named;
    std::size_t more = 0;
};

std::string tzxNotice(const std::string& name, const tzx::Summary& tape, const LeftOut& leftOut,
                      std::size_t entries)
{
    const std::size_t converted = tape.countOf(tzx::Fate::Entry);
    const std::size_t passed = tape.countOf(tzx::Fate::PassedOver);
    std::string text = "File;;" + name + ";;is a TZX tape: ";
    text += converted == 0 ? "none of its blocks became an entry"
                           : "its " + counted(converted, "data block", "data blocks") + " became " +
                                 counted(entries, "entry", "entries");
    if (passed > 0)
        text += ", and " + counted(passed, "block", "blocks") + " without data " +
                (passed == 1 ? "was" : "were") + " passed over";
    text += ".";
    if (leftOut.named.empty())
        return text;

    text += ";;These blocks were left out, since no TAP block can hold them as they are:";
    for (const std::string& block : leftOut.named)
        text += ";" + block;
    if (leftOut.more > 0)
        text += ";and " + std::to_string(leftOut.more) + " more.";
    return text;
}

// Turns the TZX tape held in `bytes` into the TAP bytes it converts to, in place, and gathers the
// notice of what became of its blocks; false, and the fault shown, for a malformed tape, left as
// it was. The tape is walked twice, once to check it whole and count, once to move its data
// blocks' bytes down over the tape's own, and no block is kept.
bool convertTzx(AppContext& app, const std::string& name, std::string& bytes, LeftOut& leftOut,
                tzx::Summary& summary)
{
    MemoryTapeSource source(bytes);
    summary =
        tzx::summarise(source, bytes.size(), [&](std::size_t number, const tzx::Block& block) {
            if (block.fate != tzx::Fate::NotConverted)
                return;
            if (leftOut.named.size() == kNamedBlocks)
                ++leftOut.more;
            else
                leftOut.named.push_back(tzx::blockPlace(number, block.id, block.offset) + ": " +
                                        block.reason);
        });
    if (summary.malformed) {
        POPMSG(app,
               "File;;" + name + ";;is a TZX tape that cannot be read: " + summary.malformed->what +
                   ".;Nothing was taken from it.",
               MessageKind::Inform);
        return false;
    }
    MemoryTapeSource again(bytes);
    std::size_t written = 0;
    std::optional<tzx::Malformed> fault;
    tzx::writeTapBytes(
        again, bytes.size(),
        [&](std::string_view piece) {
            std::memmove(bytes.data() + written, piece.data(), piece.size());
            written += piece.size();
            return true;
        },
        fault);
    bytes.resize(written);
    return true;
}

// The summary's lines as the message box breaks them: at ';', which the summary's own text must
// not hold then.
std::string asMessageLines(std::string text)
{
    std::ranges::replace(text, ';', ',');
    std::ranges::replace(text, '\n', ';');
    return text;
}

// Reads the WAV recording `source` streams from the file into the TAP bytes of its blocks, with a
// progress bar over the window while it lasts; nothing is taken in when the recording cannot be
// read or the reading is cancelled, and a read that fails is raised as for any file.
bool takeRecording(AppContext& app, EntryIntake& intake, const std::string& name,
                   FileTapeSource& source, NativeFile& file, FileConversion& conversion)
{
    const std::optional<std::uint64_t> size = file.regularFileSize();
    PacedProgress progress(conversion.window, "Reading a recording", name, size.value_or(0));
    const Recording recording =
        readWholeRecording(source, size, [&](double done) { return progress(done); });
    progress.close();
    if (source.failed())
        raiseFileError({gencode::Read, "FREAD", "Read error", file.error()}, name,
                       std::source_location::current());
    if (recording.outcome.cancelled) {
        conversion.cancelled = true;
        return false;
    }
    if (!recording.outcome.read()) {
        POPMSG(app,
               "File;;" + name + ";;is " + recording.outcome.refusal +
                   ".;It is not a recording Murax can read, and nothing was taken from it.",
               MessageKind::Inform);
        return false;
    }
    const std::size_t before = intake.entryCount();
    intake.addBytes(tapOfRecordedBlocks(recording.blocks), name);
    const std::size_t entries = intake.entryCount() - before;
    conversion.notices.push_back(
        "File;;" + name + ";;is a sound recording" +
        (entries == 0 ? "."
                      : ": its " + counted(recording.blocks.size(), "block", "blocks") +
                            " became " + counted(entries, "entry", "entries") + ".") +
        ";" + asMessageLines(recordingSummary(recording.blocks, recording.leftOut)));
    return true;
}

// The whole of a TAP file or TZX tape, read through `source` from its start: what the editor
// holds of it anyway. A file the process could never hold is refused before it is read.
std::string wholeFile(const std::string& name, FileTapeSource& source, NativeFile& file)
{
    const std::optional<std::uint64_t> size = file.regularFileSize();
    if (size && *size > memoryTheProcessMayHave())
        raiseFileError({gencode::ShowOnly, "FREAD", "File larger than the memory available", 0},
                       name, std::source_location::current());
    std::string bytes;
    try {
        if (size)
            bytes.reserve(static_cast<std::size_t>(*size));
        for (std::string_view piece;
             !(piece = source.bytesAt(bytes.size(), FileTapeSource::kCapacity)).empty();)
            bytes += piece;
    } catch (const std::bad_alloc&) {
        throw NotEnoughMemory{name, 0, 0};
    }
    if (source.failed())
        raiseFileError({gencode::Read, "FREAD", "Read error", file.error()}, name,
                       std::source_location::current());
    return bytes;
}

}  // namespace

bool takeTapeFile(AppContext& app, EntryIntake& intake, const std::string& name,
                  FileConversion* conversion)
{
    NativeFile file = NativeFile::openForReading(name);
    if (!file.isOpen())
        raiseFileError({gencode::Open, "FOPEN", "Open error", file.error()}, name,
                       std::source_location::current());
    FileTapeSource source(file);
    // A recording is streamed, as it is far larger than the blocks it holds; the rest is read
    // whole.
    if (hasWavSignature(source.bytesAt(0, kWavSignatureBytes))) {
        if (!conversion) {
            POPMSG(app,
                   "File;;" + name +
                       ";;is a sound recording (WAV), not a TAP file.;"
                       "Add... (or murax-list --to-tap) brings the blocks it holds into a TAP "
                       "file.",
                   MessageKind::Inform);
            return false;
        }
        return takeRecording(app, intake, name, source, file, *conversion);
    }
    std::string bytes = wholeFile(name, source, file);
    if (!tzx::hasTzxSignature(bytes)) {
        intake.addBytes(std::move(bytes), name);
        return true;
    }
    if (!conversion) {
        POPMSG(app,
               "File;;" + name +
                   ";;is a TZX tape, not a TAP file.;"
                   "Add... (or murax-list --to-tap) brings its blocks into a TAP file.",
               MessageKind::Inform);
        return false;
    }
    LeftOut leftOut;
    tzx::Summary summary;
    if (!convertTzx(app, name, bytes, leftOut, summary))
        return false;
    const std::size_t before = intake.entryCount();
    intake.addBytes(std::move(bytes), name);
    conversion->notices.push_back(tzxNotice(name, summary, leftOut, intake.entryCount() - before));
    return true;
}

void showConversionNotices(AppContext& app, const FileConversion& conversion)
{
    std::string text;
    for (const std::string& notice : conversion.notices)
        if (!notice.empty())
            text += (text.empty() ? "" : ";;") + notice;
    if (!text.empty())
        POPMSG(app, text, MessageKind::Inform);
}

}  // namespace murax
