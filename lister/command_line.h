// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "lister/entry_numbers.h"
#include "tape/inspect/export_form.h"
#include "tape/sound/sound_format.h"

namespace murax::lister {

// Each mode of murax-list as the command line asks for it, checked: every value a mode needs is
// there, and nothing it does not take was given.

// The entries of each file (the default mode).
struct ListFiles {
    std::vector<std::string> files;
    bool check = false;
    bool recursive = false;
};

// One entry shown (a listing, a hex dump) or written to `output` (its data, its picture).
struct WriteEntry {
    std::string file;
    ExportForm form = ExportForm::DataBytes;
    std::string option;  // the option that asked for it, for the messages
    std::size_t entry = 0;
    std::string entryText;  // as given, for the messages
    std::string output;     // empty for the forms shown on standard output
};

// The TAP file that a TZX tape converts to.
struct ConvertToTap {
    std::string file;
    std::string output;
};

// The tape's sound as a WAV file.
struct WriteSound {
    std::string file;
    std::string output;
    SoundFormat format;
    std::vector<EntryRun> runs;  // empty for every entry
};

// A TAP file holding the one entry made of `file` (a BASIC listing, a screen, code).
struct MakeTape {
    std::string file;
    std::string output;
    std::optional<std::string> name;    // the tape name's bytes; by default from the file's name
    std::optional<unsigned> start;      // a code file's start address
    std::optional<unsigned> autostart;  // a program's autostart line
};

// Nothing to do but exit with `status`: --help or --version answered, or the command line
// refused with a message on standard error.
struct Finished {
    int status = 0;
};

using Command = std::variant<Finished, ListFiles, WriteEntry, ConvertToTap, WriteSound, MakeTape>;

// Reads the command line (arguments[0] being the program); --help and --version are printed and
// a wrong command line is told here.
Command parseCommandLine(const std::vector<std::string>& arguments);

// The program's name in its messages.
inline constexpr const char* kProgram = "murax-list";

}  // namespace murax::lister
