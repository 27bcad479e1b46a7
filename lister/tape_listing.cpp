// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/tape_listing.h"

#include <algorithm>
#include <string>

#include "tape/format/display_charset.h"
#include "tape/format/entry_checks.h"
#include "tape/format/entry_scanner.h"

namespace murax::lister {
namespace {

// The width of a complete entry's line: the verdicts start in one column after it.
constexpr std::size_t kLineWidth = 52;

}  // namespace

bool writeListing(TapeSource& source, std::FILE* out, bool check)
{
    EntryScanner scanner(source);
    ScannedEntry entry;
    EntryFacts facts;
    std::string text;
    bool passed = true;
    while (scanner.next(entry, check ? &facts : nullptr)) {
        text = bytesToDisplayUtf8(entry.line);
        if (check) {
            const std::vector<Verdict> verdicts = entryVerdicts(facts);
            passed = passed && allPassed(verdicts);
            text.append(kLineWidth - std::min(kLineWidth, entry.line.size()) + 2, ' ');
            text += verdictColumn(verdicts);
        }
        text += '\n';
        std::fwrite(text.data(), 1, text.size(), out);
    }
    return passed;
}

std::optional<std::string> readEntry(TapeSource& source, std::size_t number, std::size_t& count)
{
    EntryScanner scanner(source);
    ScannedEntry entry;
    count = 0;
    while (scanner.next(entry)) {
        if (++count < number)
            continue;
        std::string bytes;
        std::uint64_t at = entry.offset;
        const std::uint64_t end = entry.offset + entry.length;
        while (at < end) {
            const std::string_view piece = source.bytesAt(
                at, static_cast<std::size_t>(std::min<std::uint64_t>(end - at, 1 << 16)));
            if (piece.empty())
                break;
            bytes += piece;
            at += piece.size();
        }
        return bytes;
    }
    return std::nullopt;
}

}  // namespace murax::lister
