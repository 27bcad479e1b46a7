// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// murax-list: prints the entries of TAP files the way the Murax editor lists them, checks their
// blocks, shows or exports what one entry holds, and writes a tape's sound. TZX tapes are listed
// block by block and by the entries their data blocks become, and converted into TAP files.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <variant>

#include "lister/command_line.h"
#include "lister/console.h"
#include "lister/modes.h"

int main(int argc, char** argv)
{
    using namespace murax::lister;
    prepareStandardOutput();
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    const Command command = parseCommandLine(programArguments(argc, argv));

    const int status = std::visit([](const auto& mode) { return runMode(mode); }, command);

    // A listing that could not be written (a full disk, a closed pipe) must not look like success.
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno ? errno : EIO;
        std::fprintf(stderr, "%s: cannot write the listing: %s\n", kProgram, std::strerror(error));
        return 1;
    }
    return status;
}
