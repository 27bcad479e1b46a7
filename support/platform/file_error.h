// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <source_location>
#include <string>

namespace murax {

// What a failed file operation tells the runtime-error handler.
struct FileFailure {
    int gencode;
    const char* operation;    // "FOPEN", "FCREATE", ...
    const char* description;  // "Open error", "Create error", ...
    int err;                  // the system's error (errno, or GetLastError on Windows)
};

// Builds the record for a failed file operation on `path` (the file the user knows) and hands it
// to the handler. Whatever the handler answers, the operation has failed and its caller must not
// go on as if it had succeeded, so this never returns.
[[noreturn]] void raiseFileError(const FileFailure& failure, const std::string& path,
                                 const std::source_location& where);

// The same for a failure that must not end the program, because what failed is a save and the
// edits are still only in memory: a failure that the handler has no short message for is shown
// as a report (with the system's own words for it) and abandons the command, instead of ending
// the program.
[[noreturn]] void raiseSaveError(const FileFailure& failure, const std::string& path,
                                 const std::source_location& where);

}  // namespace murax
