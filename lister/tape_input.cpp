// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/tape_input.h"

#include <cstdio>

#include "lister/command_line.h"
#include "lister/entry_commands.h"
#include "lister/tzx_listing.h"
#include "support/platform/file_identity.h"
#include "support/platform/os_error.h"

namespace murax::lister {
namespace {

// Whether the output is the tape being read, under the same name or another (a link): writing it
// would replace the tape.
bool outputIsTheInput(const NativeFile& input, const std::string& output)
{
    if (output.empty() || output == kStandardOutput)
        return false;
    const auto read = input.identity();
    return read && read == identityOf(output);
}

}  // namespace

void reportUnreadable(const std::string& file, int error)
{
    // Keep what was listed so far in order with the message.
    std::fflush(stdout);
    std::fprintf(stderr, "%s: cannot read %s: %s\n", kProgram, file.c_str(),
                 systemErrorText(error).c_str());
}

void reportProblem(const std::string& file, const std::string& what)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s: %s\n", kProgram, file.c_str(), what.c_str());
}

std::optional<NativeFile> openTapeForOutput(const std::string& file, const std::string& output,
                                            const std::string& refusal)
{
    NativeFile input = NativeFile::openForReading(file);
    if (!input.isOpen()) {
        reportUnreadable(file, input.error());
        return std::nullopt;
    }
    if (outputIsTheInput(input, output)) {
        reportProblem(file, refusal);
        return std::nullopt;
    }
    return input;
}

std::optional<tzx::Tape> readTzxFile(const std::string& file, FileTapeSource& source,
                                     NativeFile& input)
{
    const std::string bytes = readWholeTape(source);
    if (source.failed()) {
        reportUnreadable(file, input.error());
        return std::nullopt;
    }
    return tzx::readTzx(bytes);
}

std::optional<tzx::Tape> readWellFormedTzxFile(const std::string& file, FileTapeSource& source,
                                               NativeFile& input, const std::string& consequence)
{
    auto tape = readTzxFile(file, source, input);
    if (tape && tape->malformed) {
        reportProblem(file, tape->malformed->what + consequence);
        return std::nullopt;
    }
    return tape;
}

}  // namespace murax::lister
