// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/tap_decoding.h"

#include "tape/format/entry_bytes.h"
#include "tape/format/tap_layout.h"

namespace murax {
namespace {

void appendPadded(std::string& line, std::string_view text, std::size_t width)
{
    line += text;
    if (text.size() < width)
        line.append(width - text.size(), ' ');
}

// The number right-aligned in 5 characters, as "%5ld" writes it. Done by hand: a million-entry
// tape builds two of these per line, and the C library's formatting dominated its loading time.
void appendNumber(std::string& line, long value)
{
    char digits[24];
    char* const end = digits + sizeof digits;
    char* first = end;
    unsigned long magnitude =
        value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--first = '-';
    const auto width = static_cast<std::size_t>(end - first);
    if (width < 5)
        line.append(5 - width, ' ');
    line.append(first, width);
}

}  // namespace

std::string TIPO(std::string_view typeByte)
{
    if (typeByte.empty())
        return {};
    switch (static_cast<unsigned char>(typeByte[0])) {
    case 0:
        return "Program";
    case 1:
        return "Number array";
    case 2:
        return "Character array";
    case 3:
        return "Bytes";
    default:
        return std::string(typeByte.substr(0, 1));
    }
}

std::string BLKLINE(std::string_view d)
{
    std::string line;
    line.reserve(52);
    if (isHeaderEntry(d)) {
        if (d.size() > tap::inEntry(tap::header::kName))
            line += d.substr(tap::inEntry(tap::header::kName), tap::kNameLength);
        line.append(4, ' ');
        appendPadded(line, TIPO(d.substr(tap::inEntry(tap::header::kType), 1)), 15);
        line.append(7, ' ');
        appendNumber(line, wordAt(d, tap::inEntry(tap::header::kParameter1)));
        line.append(6, ' ');
        appendNumber(line, wordAt(d, tap::inEntry(tap::header::kDataLength)));
    } else {
        line.append(14, ' ');
        appendPadded(line, "Data block", 15);
        line.append(7 + 5 + 6, ' ');
        appendNumber(line, static_cast<long>(wordAt(d, 0)) - 2);
    }
    return line;
}

}  // namespace murax
