// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// murax-list: prints the entries of TAP files the way the Murax editor lists them.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "lister/console.h"
#include "lister/tape_listing.h"
#include "lister/whole_file_reader.h"
#include "support/os_error.h"

namespace {

constexpr const char* kProgram = "murax-list";

void printHelp()
{
    std::printf(
        "Usage: %s [OPTION]... FILE...\n"
        "List the entries of ZX Spectrum TAP files as the Murax editor shows them:\n"
        "one line per entry with its name, type, start and length.\n"
        "With several files, each file's lines follow a line with its name.\n"
        "\n"
        "  --help     show this help and exit\n"
        "  --version  show the version and exit\n"
        "  --         treat every later argument as a file name\n"
        "\n"
        "Exit status: 0 when every file was listed, 1 when a file could not be read\n"
        "or the listing could not be written, 2 when the command line is wrong.\n",
        kProgram);
}

int usageError(const char* what, const char* argument)
{
    std::fprintf(stderr, "%s: %s%s\nTry '%s --help' for more information.\n", kProgram, what,
                 argument, kProgram);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    murax::lister::prepareStandardOutput();
    const std::vector<std::string> arguments = murax::lister::programArguments(argc, argv);
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--help") {
            printHelp();
            return 0;
        } else if (!optionsEnded && arg == "--version") {
            std::printf("%s %s\n", kProgram, MURAX_VERSION);
            return 0;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return usageError("unknown option ", arguments[i].c_str());
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.empty())
        return usageError("no file given", "");

    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    int status = 0;
    bool firstListed = true;
    std::string bytes;
    for (const std::string& file : files) {
        int error = 0;
        if (!murax::lister::readWholeFile(file, bytes, error)) {
            // Keep what was listed so far in order with the message.
            std::fflush(stdout);
            std::fprintf(stderr, "%s: cannot read %s: %s\n", kProgram, file.c_str(),
                         murax::systemErrorText(error).c_str());
            status = 1;
            continue;
        }
        if (files.size() > 1)
            std::printf("%s%s:\n", firstListed ? "" : "\n", file.c_str());
        firstListed = false;
        murax::lister::writeListing(bytes, stdout);
    }

    // A listing that could not be written (a full disk, a closed pipe) must not look like success.
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno ? errno : EIO;
        std::fprintf(stderr, "%s: cannot write the listing: %s\n", kProgram, std::strerror(error));
        return 1;
    }
    return status;
}
