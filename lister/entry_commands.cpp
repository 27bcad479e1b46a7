// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/entry_commands.h"

#include "lister/disassemble_mode.h"
#include "lister/png_file.h"
#include "support/platform/file_identity.h"
#include "support/platform/os_error.h"
#include "support/platform/replacing_write.h"
#include "tape/format/entry_bytes.h"
#include "tape/format/header_fields.h"
#include "tape/inspect/basic_listing.h"
#include "tape/inspect/hex_dump.h"
#include "tape/inspect/screen_picture.h"

namespace murax::lister {
namespace {

void writeLines(const std::vector<std::string>& lines, std::FILE* out)
{
    for (const std::string& line : lines) {
        std::fwrite(line.data(), 1, line.size(), out);
        std::fputc('\n', out);
    }
}

ActionOutcome listProgram(std::string_view entry, std::FILE* out)
{
    const auto header = decodeHeader(entry);
    if (!header || header->type != 0)
        return {1, "not a program"};
    const std::string_view data = entryData(entry);
    writeLines(basicListingText(listBasic(data, header->parameter2, autostartLine(*header))), out);
    return {};
}

ActionOutcome writeScreen(std::string_view entry, const std::string& path, std::FILE* out)
{
    const std::string_view data = entryData(entry);
    const auto picture = decodeScreen(data);
    if (!picture)
        return {1, "its data is " + std::to_string(data.size()) +
                       " bytes long, not a screen (6912 bytes, or 6144 without attributes)"};
    std::string png, error;
    if (!encodePng(*picture, png, error))
        return {1, error};
    return writeOutputFile(path, {png}, out);
}

}  // namespace

ActionOutcome writeOutputFile(const std::string& path, const ByteParts& parts, std::FILE* out)
{
    if (path == kStandardOutput) {
        // A failed write shows when the program flushes its output at the end; the making of
        // what is written stops there, not after an hour of sound sent to a closed pipe.
        parts.writeTo([out](std::string_view piece) {
            return std::fwrite(piece.data(), 1, piece.size(), out) == piece.size();
        });
        return {};
    }
    if (const auto error = writeToDevice(path, parts)) {
        if (*error == 0)
            return {};
        return {1, "cannot write " + path + ": " + systemErrorText(*error)};
    }
    const auto failure = replaceFileContents(path, parts, LinksInTheWay::Follow);
    if (!failure)
        return {};
    std::string reason = "cannot write " + path + ": " + systemErrorText(failure->failure.err);
    if (!failure->safetyCopy.empty())
        reason += " (a copy of the new bytes is in " + failure->safetyCopy + ")";
    return {1, reason};
}

ActionOutcome performEntryAction(EntryAction action, std::string_view entry,
                                 const std::string& outputPath, std::FILE* out)
{
    switch (action) {
    case EntryAction::Basic:
        return listProgram(entry, out);
    case EntryAction::Hex:
        writeLines(hexDumpLines(entry), out);
        return {};
    case EntryAction::Disassemble:
        writeDisassembly(entry, out);
        return {};
    case EntryAction::Extract:
        return writeOutputFile(outputPath, {entryData(entry)}, out);
    case EntryAction::Screen:
        return writeScreen(entry, outputPath, out);
    }
    return {};
}

}  // namespace murax::lister
