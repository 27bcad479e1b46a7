// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The default mode: the entries of each file, a TZX tape's or a recording's blocks before them.

#include <cstdio>

#include "lister/modes.h"
#include "lister/recording_listing.h"
#include "lister/tape_folders.h"
#include "lister/tape_input.h"
#include "lister/tape_listing.h"
#include "lister/tzx_listing.h"

namespace murax::lister {
namespace {

// A TZX tape's blocks, then the entries they become. False when the tape is malformed (its
// blocks are listed up to the fault), could not be read, had blocks left out of its entries or a
// check failed.
bool listTzx(const std::string& file, TzxTape& tape, NativeFile& input, bool check)
{
    const bool passed = writeTzxListing(tape, stdout, check);
    if (tape.failed()) {
        reportUnreadable(file, input.error());
        return false;
    }
    if (tape.summary().malformed) {
        reportProblem(file, tape.summary().malformed->what);
        return false;
    }
    return !reportLeftOutBlocks(file, tape) && passed;
}

// A recording's blocks, then the entries they make. False when it is not a recording that can be
// read, could not be read, had blocks that failed or broke off or signals left out, or a check
// failed.
bool listRecording(const std::string& file, FileTapeSource& source, NativeFile& input, bool check)
{
    const auto recording = readRecordingFile(file, source, input, "");
    if (!recording)
        return false;
    const bool passed = writeRecordingListing(*recording, stdout, check);
    return !reportImperfectBlocks(file, *recording) && passed;
}

// The files to list: with -r, each folder's tapes in its place.
std::vector<std::string> filesToList(const ListFiles& mode, int& status)
{
    if (!mode.recursive)
        return mode.files;
    std::vector<std::string> files;
    for (const std::string& file : mode.files) {
        if (!isFolder(file)) {
            files.push_back(file);
            continue;
        }
        std::vector<std::string> unreadable;
        for (std::string& tape : tapesUnder(file, unreadable))
            files.push_back(std::move(tape));
        for (const std::string& folder : unreadable) {
            std::fprintf(stderr, "%s: cannot read %s\n", kProgram, folder.c_str());
            status = 1;
        }
    }
    return files;
}

}  // namespace

int runMode(const ListFiles& mode)
{
    int status = 0;
    const std::vector<std::string> files = filesToList(mode, status);
    const bool named = files.size() > 1 || mode.recursive;
    bool firstListed = true;
    for (const std::string& file : files) {
        NativeFile input = NativeFile::openForReading(file);
        if (!input.isOpen()) {
            reportUnreadable(file, input.error());
            status = 1;
            continue;
        }
        if (writesIntoTheInput(input)) {
            reportProblem(file,
                          "not listed: standard output is this tape, which the listing "
                          "would be written into");
            status = 1;
            continue;
        }
        FileTapeSource source(input);
        // A file that cannot be read at all (a folder, a device) gets no name line, as none of
        // its entries can be listed.
        source.bytesAt(0, 1);
        if (source.failed()) {
            reportUnreadable(file, input.error());
            status = 1;
            continue;
        }
        if (named)
            std::printf("%s%s:\n", firstListed ? "" : "\n", file.c_str());
        firstListed = false;
        if (isTzxTape(source)) {
            auto tape = readTzxFile(file, source, input);
            if (!tape || !listTzx(file, *tape, input, mode.check))
                status = 1;
            continue;
        }
        if (isRecording(source)) {
            if (!listRecording(file, source, input, mode.check))
                status = 1;
            continue;
        }
        if (!writeListing(source, stdout, mode.check))
            status = 1;
        if (source.failed()) {
            reportUnreadable(file, input.error());
            status = 1;
        }
    }
    return status;
}

}  // namespace murax::lister
