// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/entry_details.h"

#include "tape/format/display_charset.h"
#include "tape/format/entry_bytes.h"
#include "tape/inspect/basic_listing.h"
#include "tape/inspect/hex_dump.h"

namespace murax {
namespace {

constexpr unsigned kProgramType = 0;
constexpr unsigned kBytesType = 3;

}  // namespace

std::string entryTitle(std::string_view entry)
{
    const auto header = decodeHeader(entry);
    if (!header)
        return "Data block";
    std::string_view name = header->name;
    const auto last = name.find_last_not_of(' ');
    name = last == std::string_view::npos ? std::string_view() : name.substr(0, last + 1);
    return bytesToDisplayUtf8(name);
}

std::optional<std::vector<std::string>> programListing(std::string_view entry)
{
    const auto header = decodeHeader(entry);
    if (!header || header->type != kProgramType)
        return std::nullopt;
    return basicListingText(
        listBasic(entryData(entry), header->parameter2, autostartLine(*header)));
}

std::optional<ScreenPicture> entryScreen(std::string_view entry)
{
    const auto header = decodeHeader(entry);
    if (!header || header->type != kBytesType)
        return std::nullopt;
    return decodeScreen(entryData(entry));
}

std::string linesAsText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

EntryDetails detailsOfEntry(std::string_view entry)
{
    EntryDetails details;
    details.title = entryTitle(entry);
    if (const auto header = decodeHeader(entry))
        details.fields = describeHeader(*header);
    details.verdicts = entryVerdicts(factsOfEntry(entry));
    details.hexDump = hexDumpLines(entry);
    details.basicListing = programListing(entry);
    details.screen = entryScreen(entry);
    return details;
}

}  // namespace murax
