// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "tests/support/helpers/scratch_folder.h"

namespace murax::bench {

// The tests' scratch folder, a folder of its own under the system's temporary folder removed with
// everything in it, that writes the benchmarks' tapes.
class ScratchFolder {
public:
    std::string path(const std::string& name) const { return folder_ / name; }
    // Writes `bytes` to the file `name` and returns its path; throws when it cannot.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    testing::ScratchFolder folder_;
};

// A tape of ordinary blocks about `bytes` long: header entries with their data (a few hundred
// bytes to 16 KiB) and now and then a lone data block, as real tapes hold them.
std::string ordinaryTape(std::size_t bytes);

// The TZX tape of a TAP file's blocks, each a standard speed block, as tapeconv makes one.
std::string tzxOfTap(std::string_view tap);

// A file of zero bytes: each group of four is a header entry of its own (a block of length 0
// whose flag byte is 0, followed by another empty block), so `entries` entries take 4 bytes each.
std::string zeroTape(std::size_t entries);

// Bytes the heap holds for the program right now (what malloc has handed out and not got back).
std::size_t heapInUse();

// The process's resident memory now, and the most it has had since resetResidentPeak() (from
// /proc; 0 where that cannot be read).
std::size_t residentNow();
std::size_t residentPeak();
void resetResidentPeak();

// Runs the registered benchmarks with the console report; 1 when one of them met an error (a
// command that did not do what it should), so a smoke run fails on it, 0 otherwise.
int runBenchmarks(int argc, char** argv);

}  // namespace murax::bench
