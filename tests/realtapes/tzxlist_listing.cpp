// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/realtapes/tzxlist_listing.h"

#include <sys/wait.h>
#include <cstdio>
#include <memory>
#include <sstream>

namespace murax::testing {
namespace {

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// "  Raw header: 03 | 63 2e ... 20 | 01 00 | 40 9c | 00 80": the type byte and the name bytes.
void readRawHeader(const std::string& line, ListedBlock& block)
{
    std::istringstream in(line.substr(line.find(':') + 1));
    std::string word;
    std::vector<int> bytes;
    while (in >> word)
        if (word != "|")
            bytes.push_back(std::stoi(word, nullptr, 16));
    if (bytes.size() < 11)
        return;
    block.typeByte = bytes[0];
    block.name.clear();
    for (int i = 1; i <= 10; ++i)
        block.name += static_cast<char>(bytes[static_cast<std::size_t>(i)]);
}

// The number after "key: " in a line such as "Block header, zxlength: 53, parameter1: 10, ...".
int numberAfter(const std::string& line, const std::string& key)
{
    const auto at = line.find(key);
    return at == std::string::npos ? -1 : std::stoi(line.substr(at + key.size()));
}

}  // namespace

std::vector<ListedBlock> parseTzxlist(const std::string& listing)
{
    std::vector<ListedBlock> blocks;
    std::istringstream in(listing);
    std::string line;
    bool afterRawHeader = false;
    while (std::getline(in, line)) {
        const std::string trimmed = line.substr(std::min(line.find_first_not_of(' '), line.size()));
        if (startsWith(trimmed, "--= Block #")) {
            blocks.emplace_back();
            afterRawHeader = false;
            continue;
        }
        if (blocks.empty())
            continue;
        ListedBlock& block = blocks.back();
        if (startsWith(trimmed, "Block length:")) {
            block.blockLength = numberAfter(trimmed, "Block length: ");
        } else if (startsWith(trimmed, "Block header,")) {
            block.header = true;
            block.zxLength = numberAfter(trimmed, "zxlength: ");
            block.parameter1 = numberAfter(trimmed, "parameter1: ");
        } else if (startsWith(trimmed, "Raw header:")) {
            readRawHeader(trimmed, block);
            afterRawHeader = true;
        } else if (afterRawHeader) {
            // The line after the raw header names the type: 'Program: "loader    " LINE 10'.
            block.typeWord = trimmed.substr(0, trimmed.find(':'));
            afterRawHeader = false;
        } else if (startsWith(trimmed, "Datablock length:")) {
            block.dataLength = numberAfter(trimmed, "Datablock length: ");
        } else if (startsWith(trimmed, "Checksum: 0x")) {
            // "Checksum: 0x1e (PASS)"
            block.checksum = std::stoi(trimmed.substr(12, 2), nullptr, 16);
            block.checksumPassed = trimmed.find("(PASS)") != std::string::npos;
        }
    }
    return blocks;
}

std::string runCommand(const std::string& command, int& status)
{
    std::string output;
    status = -1;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, got);
    const int raw = ::pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

bool toolInstalled(const std::string& name)
{
    int status = 0;
    runCommand("command -v " + name + " >/dev/null 2>&1", status);
    return status == 0;
}

std::string firstMissingTool(std::initializer_list<const char*> tools)
{
    for (const char* tool : tools)
        if (!toolInstalled(tool))
            return tool;
    return {};
}

}  // namespace murax::testing
