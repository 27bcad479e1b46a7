// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// murax-list: prints the entries of TAP files the way the Murax editor lists them, checks their
// blocks, shows or exports what one entry holds, and writes a tape's sound. TZX tapes are listed
// block by block and by the entries their data blocks become, and converted into TAP files.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <variant>

#include "lister/command_line.h"
#include "lister/console.h"
#include "lister/memory_refusal.h"
#include "lister/modes.h"

namespace {

using namespace murax::lister;

// What a mode prints on standard output, for the message when it could not be written there.
const char* printed(const Finished&)
{
    return "the help";
}
const char* printed(const ListFiles&)
{
    return "the listing";
}
const char* printed(const ConvertToTap&)
{
    return "the TAP file";
}
const char* printed(const WriteSound&)
{
    return "the sound";
}
const char* printed(const MakeTape&)
{
    return "the TAP file";
}
const char* printed(const WriteEntry& mode)
{
    switch (mode.form) {
    case murax::ExportForm::DataBytes:
        return "the data bytes";
    case murax::ExportForm::BasicListing:
        return "the BASIC listing";
    case murax::ExportForm::HexDump:
        return "the hex dump";
    case murax::ExportForm::ScreenPng:
        return "the picture";
    case murax::ExportForm::Disassembly:
        return "the disassembly";
    }
    return "the output";
}

// The tape a mode reads, for the message when memory runs out; none for several files.
const std::string* tapeOf(const Finished&)
{
    return nullptr;
}
const std::string* tapeOf(const ListFiles& mode)
{
    return mode.files.size() == 1 ? &mode.files.front() : nullptr;
}
template <typename Mode>
const std::string* tapeOf(const Mode& mode)
{
    return &mode.file;
}

}  // namespace

int main(int argc, char** argv)
{
    prepareStandardOutput();
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    const Command command = parseCommandLine(programArguments(argc, argv));

    int status = 1;
    try {
        status = std::visit([](const auto& mode) { return runMode(mode); }, command);
    } catch (const std::bad_alloc&) {
        status = refuseForWantOfMemory(
            std::visit([](const auto& mode) { return tapeOf(mode); }, command));
    }

    // What could not be written (a full disk, a closed pipe) must not look like success. The
    // error is the last one the system gave: that of this flush, or of the write that failed
    // before it (a mode stops making its output at the first failed write), as nothing that can
    // fail runs in between.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno ? errno : EIO;
        const char* const what =
            std::visit([](const auto& mode) { return printed(mode); }, command);
        std::fprintf(stderr, "%s: cannot write %s to standard output: %s\n", kProgram, what,
                     std::strerror(error));
        return 1;
    }
    return status;
}
