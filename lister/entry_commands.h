// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "support/byte_parts.h"
#include "tape/inspect/export_form.h"

namespace murax::lister {

// How an action ended: status 0, or 1 with the reason (which the caller prefixes with the file
// and the entry).
struct ActionOutcome {
    int status = 0;
    std::string reason;
};

// The output name that stands for standard output.
inline constexpr std::string_view kStandardOutput = "-";

// Whether `form` is written to an output file (-o); the text forms are printed.
bool writesOutputFile(ExportForm form);

// Writes the entry's exact bytes in `form`: the BASIC listing, the hex dump or the disassembly to
// `out`, the data
// bytes or the screen's PNG picture to `outputPath`: to `out` for kStandardOutput, straight to a
// device or a pipe, and to a file through the replacing write (never left half-written).
ActionOutcome writeEntryForm(ExportForm form, std::string_view entry, const std::string& outputPath,
                             std::FILE* out);

// Writes `parts` to `path`: to `out` for kStandardOutput, straight to a device or a pipe, and to a
// file through the replacing write; the reason of a failure names the path, the system's error and
// the safety copy of the new bytes, where one was left.
ActionOutcome writeOutputFile(const std::string& path, const ByteParts& parts, std::FILE* out);

}  // namespace murax::lister
