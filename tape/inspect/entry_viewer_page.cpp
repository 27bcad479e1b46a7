// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/entry_viewer_page.h"

#include <algorithm>

#include "tape/format/entry_bytes.h"
#include "tape/inspect/entry_details.h"
#include "tape/inspect/z80_disassembly.h"

namespace murax {
namespace {

// A header entry's fields, the empty line and its verdicts, with room for one that wraps.
constexpr int kMostDetailRows = 18;
constexpr int kDetailRowsToSpare = 3;

std::string detailsText(const EntryDetails& details)
{
    std::vector<std::string> lines;
    for (const FieldLine& field : details.fields)
        lines.push_back(field.label + ": " + field.value);
    if (!lines.empty())
        lines.emplace_back();
    for (const Verdict& verdict : details.verdicts)
        lines.push_back((verdict.passed ? "OK      " : "PROBLEM ") + verdict.text);
    return linesAsText(lines);
}

}  // namespace

const char* viewerTabTitle(ViewerTab tab)
{
    switch (tab) {
    case ViewerTab::BasicListing:
        return "BASIC listing";
    case ViewerTab::Screen:
        return "Screen";
    case ViewerTab::Disassembly:
        return "Disassembly";
    case ViewerTab::HexDump:
        return "Hex dump";
    }
    return "";
}

EntryViewerPage entryViewerPage(std::string_view entry)
{
    EntryDetails details = detailsOfEntry(entry);
    EntryViewerPage page;
    page.windowTitle = std::move(details.title);
    page.details = detailsText(details);
    const auto lines = static_cast<int>(std::count(page.details.begin(), page.details.end(), '\n'));
    page.detailRows = std::min(lines + kDetailRowsToSpare, kMostDetailRows);
    if (details.basicListing) {
        page.tabs.push_back(ViewerTab::BasicListing);
        page.basicListing = linesAsText(*details.basicListing);
    }
    if (details.screen) {
        page.tabs.push_back(ViewerTab::Screen);
        page.screen = std::move(details.screen);
    }
    if (const auto address = codeAddressOfEntry(entry)) {
        page.tabs.push_back(ViewerTab::Disassembly);
        page.disassembly = linesAsText(disassemblyLines(entryData(entry), *address));
    }
    page.tabs.push_back(ViewerTab::HexDump);
    page.hexDump = linesAsText(details.hexDump);
    return page;
}

ViewerTab tabInFront(const EntryViewerPage& page, std::optional<ViewerTab> previous)
{
    if (previous == ViewerTab::HexDump || page.tabs.empty())
        return ViewerTab::HexDump;
    if (previous == ViewerTab::Disassembly &&
        std::find(page.tabs.begin(), page.tabs.end(), ViewerTab::Disassembly) != page.tabs.end())
        return ViewerTab::Disassembly;
    return page.tabs.front();
}

}  // namespace murax
