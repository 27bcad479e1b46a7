// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace murax::testing {

// One block as fuse-emulator-utils' tzxlist describes it.
struct ListedBlock {
    int blockLength = -1;         // the TAP block length (flag, payload and checksum)
    bool header = false;          // tzxlist decoded it as a standard header
    int typeByte = -1;            // headers: the type byte
    std::string name;             // headers: the ten name bytes
    std::string typeWord;         // headers: "Program", "Bytes", "Number Array", ... or "Unknown"
    int zxLength = -1;            // headers: the data length
    int parameter1 = -1;          // headers: the first parameter (autostart line, start address)
    int dataLength = -1;          // data blocks: the length less flag and checksum
    int checksum = -1;            // the stored checksum byte
    bool checksumPassed = false;  // tzxlist's verdict on it: "PASS" rather than "FAIL"
};

// The blocks of a tzxlist listing, in tape order.
std::vector<ListedBlock> parseTzxlist(const std::string& listing);

// Runs a shell command and returns what it wrote to standard output; `status` gets its exit
// status (-1 when it could not be started).
std::string runCommand(const std::string& command, int& status);

bool toolInstalled(const std::string& name);
// The first of `tools` that is not installed, "" when all are.
std::string firstMissingTool(std::initializer_list<const char*> tools);

}  // namespace murax::testing
