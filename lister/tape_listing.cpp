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

// The bytes of a source from `start` on, kept as they are read, at positions counted from
// `start`. Finding where an entry ends takes the scanner to the length field of its second block,
// and a forward-only source may by then have dropped the entry's first bytes: read through this,
// the entry's bytes are all still at hand.
class KeptSource final : public TapeSource {
public:
    KeptSource(TapeSource& source, std::uint64_t start) : source_(source), start_(start) {}

    std::string_view bytesAt(std::uint64_t position, std::size_t count) override
    {
        constexpr std::size_t kPiece = 1 << 16;
        const std::uint64_t end = position + count;
        while (kept_.size() < end) {
            const std::string_view piece = source_.bytesAt(
                start_ + kept_.size(),
                static_cast<std::size_t>(std::min<std::uint64_t>(end - kept_.size(), kPiece)));
            if (piece.empty())
                break;
            kept_ += piece;
        }
        if (position >= kept_.size())
            return {};
        return std::string_view(kept_).substr(static_cast<std::size_t>(position), count);
    }

private:
    TapeSource& source_;
    const std::uint64_t start_;
    std::string kept_;
};

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
    // The entries before it are skipped over as a listing skips them.
    EntryScanner scanner(source);
    ScannedEntry entry;
    std::uint64_t start = 0;
    for (count = 0; count + 1 < number; ++count) {
        if (!scanner.next(entry))
            return std::nullopt;
        start = entry.offset + entry.length;
    }
    KeptSource kept(source, start);
    if (!EntryScanner(kept).next(entry))
        return std::nullopt;
    ++count;
    return std::string(kept.bytesAt(0, static_cast<std::size_t>(entry.length)));
}

}  // namespace murax::lister
