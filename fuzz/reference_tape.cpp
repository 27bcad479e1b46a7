// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/reference_tape.h"

#include <algorithm>

namespace murax::fuzz {
namespace {

int byteOr0(std::string_view d, std::size_t i)
{
    return i < d.size() ? static_cast<unsigned char>(d[i]) : 0;
}

int wordOr0(std::string_view d, std::size_t i)
{
    return byteOr0(d, i) | byteOr0(d, i + 1) << 8;
}

std::string padRight(std::string text, std::size_t width)
{
    while (text.size() < width)
        text += ' ';
    return text;
}

std::string padLeft(std::string text, std::size_t width)
{
    while (text.size() < width)
        text.insert(text.begin(), ' ');
    return text;
}

std::string typeText(std::string_view d)
{
    if (d.size() < 4)
        return "";
    switch (static_cast<unsigned char>(d[3])) {
    case 0:
        return "Program";
    case 1:
        return "Number array";
    case 2:
        return "Character array";
    case 3:
        return "Bytes";
    default:
        return std::string(1, d[3]);
    }
}

bool headerAt(std::string_view d)
{
    return d.size() >= 3 && d[2] == 0;
}

}  // namespace

std::string referenceLine(std::string_view d)
{
    if (headerAt(d)) {
        const std::string name(d.size() > 4 ? d.substr(4, 10) : std::string_view());
        return name + "    " + padRight(typeText(d), 15) + "       " +
               padLeft(std::to_string(wordOr0(d, 16)), 5) + "      " +
               padLeft(std::to_string(wordOr0(d, 14)), 5);
    }
    return std::string(10, ' ') + "    " + padRight("Data block", 15) + "       " +
           std::string(5, ' ') + "      " + padLeft(std::to_string(wordOr0(d, 0) - 2), 5);
}

std::vector<ReferenceEntry> referenceSplit(std::string_view data)
{
    std::vector<ReferenceEntry> entries;
    std::size_t at = 0;
    while (at < data.size()) {
        const std::string_view rest = data.substr(at);
        std::size_t length = static_cast<std::size_t>(wordOr0(rest, 0)) + 2;
        if (headerAt(rest))
            length += static_cast<std::size_t>(wordOr0(rest, length)) + 2;
        if (length > rest.size())
            length = rest.size();
        entries.push_back({std::string(rest.substr(0, length)), referenceLine(rest)});
        at += length;
    }
    return entries;
}

std::vector<std::string> referenceBlocks(std::string_view bytes)
{
    std::vector<std::string> blocks;
    while (!bytes.empty()) {
        const std::size_t length =
            std::min(bytes.size(), static_cast<std::size_t>(wordOr0(bytes, 0)) + 2);
        blocks.emplace_back(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return blocks;
}

bool referenceCutShort(std::string_view entry)
{
    const std::vector<std::string> blocks = referenceBlocks(entry);
    if (blocks.empty())
        return false;
    const std::string& last = blocks.back();
    return last.size() < 2 || last.size() < static_cast<std::size_t>(wordOr0(last, 0)) + 2;
}

bool referenceLoneHeader(std::string_view entry)
{
    return entry.size() > 2 && entry[2] == 0 && referenceBlocks(entry).size() == 1 &&
           !referenceCutShort(entry);
}

bool isStandardHeader(std::string_view entry)
{
    return entry.size() >= 21 && entry[0] == 19 && entry[1] == 0 && entry[2] == 0;
}

}  // namespace murax::fuzz
