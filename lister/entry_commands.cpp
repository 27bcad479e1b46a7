// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/entry_commands.h"

#include "lister/png_file.h"
#include "support/platform/file_identity.h"
#include "support/platform/os_error.h"
#include "support/platform/replacing_write.h"
#include "tape/format/entry_bytes.h"
#include "tape/format/header_fields.h"
#include "tape/inspect/basic_listing.h"
#include "tape/inspect/hex_dump.h"
#include "tape/inspect/screen_picture.h"
#include "tape/inspect/z80_disassembly.h"

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

// The data as source that pasmo assembles back to the same bytes, from a bytes header's start
// address (0 for any other entry).
void writeDisassembly(std::string_view entry, std::FILE* out)
{
    const std::string source = z80Source(entryData(entry), codeAddressOfEntry(entry).value_or(0));
    std::fwrite(source.data(), 1, source.size(), out);
}

}  // namespace

ActionOutcome writeOutputFile(const std::string& path, const ByteParts& parts, std::FILE* out)
{
    if (path == kStandardOutput) {
        // A failed write shows when the program flushes its output at the end; the making of
        // what is written stops there, not after an hour of sound sent to a closed pipe.
        parts.writeTo([out](std::string_view piece) {
            // An empty piece (the data of an empty block) may have no bytes to point at at all.
            return piece.empty() || std::fwrite(piece.data(), 1, piece.size(), out) == piece.size();
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
    const std::string error = systemErrorText(failure->failure.err);
    if (!failure->safetyCopyFolder.empty())
        return {1, "cannot write " + path +
                       ": no copy of the new bytes could be put in safety in " +
                       failure->safetyCopyFolder + " before writing it in place: " + error};
    std::string reason = "cannot write " + path + ": " + error;
    if (!failure->safetyCopy.empty())
        reason += " (a copy of the new bytes is in " + failure->safetyCopy + ")";
    return {1, reason};
}

bool writesOutputFile(ExportForm form)
{
    return form == ExportForm::DataBytes || form == ExportForm::ScreenPng;
}

ActionOutcome writeEntryForm(ExportForm form, std::string_view entry, const std::string& outputPath,
                             std::FILE* out)
{
    switch (form) {
    case ExportForm::BasicListing:
        return listProgram(entry, out);
    case ExportForm::HexDump:
        writeLines(hexDumpLines(entry), out);
        return {};
    case ExportForm::DataBytes:
        return writeOutputFile(outputPath, {entryData(entry)}, out);
    case ExportForm::ScreenPng:
        return writeScreen(entry, outputPath, out);
    case ExportForm::Disassembly:
        writeDisassembly(entry, out);
        return {};
    }
    return {};
}

}  // namespace murax::lister
