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

// Whether the output is the tape being read, under the same name or another (a link), or
// standard output redirected to it: writing it would replace the tape or append to it.
bool outputIsTheInput(const NativeFile& input, const std::string& output)
{
    const auto read = input.identity();
    if (!read)
        return false;
    if (output == kStandardOutput)
        return read == standardOutputIdentity();
    return read == identityOf(output);
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
    if (!output.empty() && outputIsTheInput(input, output)) {
        reportProblem(file, refusal);
        return std::nullopt;
    }
    return input;
}

bool writesIntoTheInput(const NativeFile& input)
{
    return outputIsTheInput(input, std::string(kStandardOutput));
}

std::string outputName(const std::string& output)
{
    return output == kStandardOutput ? "standard output" : output;
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

bool reportLeftOutBlocks(const std::string& file, const tzx::Tape& tape)
{
    bool leftOut = false;
    for (std::size_t i = 0; i < tape.blocks.size(); ++i) {
        const tzx::Block& block = tape.blocks[i];
        if (block.fate != tzx::Fate::NotConverted)
            continue;
        reportProblem(file, tzx::blockPlace(i + 1, block.id, block.offset) +
                                " was left out: " + block.reason);
        leftOut = true;
    }
    return leftOut;
}

}  // namespace murax::lister
