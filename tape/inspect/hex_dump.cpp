// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/hex_dump.h"

#include <cstdio>

#include "tape/format/display_charset.h"
#include "tape/format/hex_text.h"

namespace murax {

std::string hexDumpLine(std::uint64_t offset, std::string_view bytes, int offsetDigits)
{
    char text[24];
    std::snprintf(text, sizeof text, "%0*llX ", offsetDigits,
                  static_cast<unsigned long long>(offset));
    std::string line = text;
    for (std::size_t i = 0; i < kHexDumpWidth; ++i) {
        if (i < bytes.size()) {
            line += ' ';
            appendHex(line, static_cast<unsigned char>(bytes[i]), 2);
        } else {
            line += "   ";
        }
    }
    line += "  ";
    line += bytesToDisplayUtf8(bytes.substr(0, kHexDumpWidth));
    return line;
}

std::vector<std::string> hexDumpLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    lines.reserve(bytes.size() / kHexDumpWidth + 1);
    int digits = 4;
    for (std::uint64_t last = bytes.empty() ? 0
                                            : (bytes.size() - 1) / kHexDumpWidth * kHexDumpWidth;
         last >> (4 * digits) != 0;)
        ++digits;
    for (std::size_t at = 0; at < bytes.size(); at += kHexDumpWidth)
        lines.push_back(hexDumpLine(at, bytes.substr(at, kHexDumpWidth), digits));
    return lines;
}

}  // namespace murax
