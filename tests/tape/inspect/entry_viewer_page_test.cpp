// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/entry_viewer_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tape/inspect/basic_listing.h"
#include "tape/inspect/hex_dump.h"
#include "tape/inspect/z80_disassembly.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax {
namespace {

using testing::dataBlock;
using testing::headerBlock;
using Tabs = std::vector<ViewerTab>;

const std::string kProgramData = testing::printOneProgram();
const std::string kProgram = testing::printOneEntry();
const std::string kScreen = testing::screenEntry();

std::string withWrongChecksum(std::string entry)
{
    entry.back() = static_cast<char>(entry.back() ^ 1);
    return entry;
}

TEST(EntryViewerPage, AProgramShowsItsFieldsVerdictsAndListingBeforeItsHexDump)
{
    const EntryViewerPage page = entryViewerPage(kProgram);
    EXPECT_EQ(page.windowTitle, "hello");
    EXPECT_EQ(page.details,
              "Flag: 0x00\n"
              "Type: 0 (Program)\n"
              "Name: \"hello     \" (68 65 6C 6C 6F 20 20 20 20 20)\n"
              "Data length: 13\n"
              "Autostart line: 10\n"
              "Program length: 13 (variables after it: 0 bytes)\n"
              "\n"
              "OK      Header block: flag 0x00 as expected\n"
              "OK      Header block: checksum 0x48 stored, 0x48 computed: correct\n"
              "OK      Data block: flag 0xFF as expected\n"
              "OK      Data block: checksum 0x3A stored, 0x3A computed: correct\n"
              "OK      Data length: the header says 13, the data block holds 13: they agree\n");
    EXPECT_EQ(page.detailRows, 12 + 3);
    EXPECT_EQ(page.tabs, (Tabs{ViewerTab::BasicListing, ViewerTab::HexDump}));
    std::string listing;
    for (const std::string& line : basicListingText(listBasic(kProgramData, 13, 10)))
        listing += line + '\n';
    EXPECT_EQ(page.basicListing, listing);
    EXPECT_NE(page.basicListing.find("   10 PRINT 1\n"), std::string::npos);
    EXPECT_FALSE(page.screen);
}

TEST(EntryViewerPage, EachKindOfEntryHasItsOwnTabsAndTheHexDumpOfItsBytes)
{
    struct Case {
        const char* what;
        std::string entry;
        std::string title;
        Tabs tabs;
    };
    const Case cases[] = {
        {"program", kProgram, "hello", {ViewerTab::BasicListing, ViewerTab::HexDump}},
        {"screen",
         kScreen,
         "picture",
         {ViewerTab::Screen, ViewerTab::Disassembly, ViewerTab::HexDump}},
        {"other bytes",
         headerBlock(3, "code", 3, 32768, 32768) + dataBlock("abc"),
         "code",
         {ViewerTab::Disassembly, ViewerTab::HexDump}},
        {"lone data",
         dataBlock("lone bytes"),
         "Data block",
         {ViewerTab::Disassembly, ViewerTab::HexDump}},
        {"number array",
         headerBlock(1, "numbers", 3, 0, 0) + dataBlock("abc"),
         "numbers",
         {ViewerTab::HexDump}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const EntryViewerPage page = entryViewerPage(c.entry);
        EXPECT_EQ(page.windowTitle, c.title);
        EXPECT_EQ(page.tabs, c.tabs);
        EXPECT_EQ(page.screen.has_value(), c.tabs.front() == ViewerTab::Screen);
        EXPECT_EQ(page.basicListing.empty(), c.tabs.front() != ViewerTab::BasicListing);
        EXPECT_EQ(page.disassembly.empty(),
                  std::find(c.tabs.begin(), c.tabs.end(), ViewerTab::Disassembly) == c.tabs.end());
        std::string dump;
        for (const std::string& line : hexDumpLines(c.entry))
            dump += line + '\n';
        EXPECT_EQ(page.hexDump, dump);
    }
}

TEST(EntryViewerPage, AFailedCheckIsAProblemAndADataEntryHasNoFields)
{
    const EntryViewerPage page = entryViewerPage(withWrongChecksum(dataBlock("lone bytes")));
    EXPECT_EQ(page.details,
              "OK      Data block: flag 0xFF as expected\n"
              "PROBLEM Data block: checksum 0xAF stored, 0xAE computed: wrong\n");
    EXPECT_EQ(page.detailRows, 2 + 3);
}

// The disassembly of a bytes entry's data from its start address, of a data block's from 0.
TEST(EntryViewerPage, TheDisassemblyStartsAtTheEntrysAddress)
{
    const std::string code("\x21\x00\x40\xC9", 4);
    for (const auto& [entry, start] :
         {std::pair{headerBlock(3, "code", 4, 0x8000, 32768) + dataBlock(code), 0x8000},
          std::pair{dataBlock(code), 0}}) {
        std::string lines;
        for (const std::string& line : disassemblyLines(code, start))
            lines += line + '\n';
        EXPECT_EQ(entryViewerPage(entry).disassembly, lines);
    }
}

TEST(EntryViewerPage, TheHexDumpOrDisassemblyStaysInFrontOtherwiseTheFirstTabComes)
{
    const EntryViewerPage program = entryViewerPage(kProgram);
    const EntryViewerPage screen = entryViewerPage(kScreen);
    const EntryViewerPage data = entryViewerPage(dataBlock("x"));
    struct Case {
        const EntryViewerPage& page;
        std::optional<ViewerTab> previous;
        ViewerTab expected;
    };
    const Case cases[] = {
        {program, std::nullopt, ViewerTab::BasicListing},
        {program, ViewerTab::HexDump, ViewerTab::HexDump},
        {program, ViewerTab::Screen, ViewerTab::BasicListing},
        {screen, ViewerTab::BasicListing, ViewerTab::Screen},
        {screen, ViewerTab::HexDump, ViewerTab::HexDump},
        {screen, ViewerTab::Disassembly, ViewerTab::Disassembly},
        {program, ViewerTab::Disassembly, ViewerTab::BasicListing},
        {data, ViewerTab::BasicListing, ViewerTab::Disassembly},
        {data, ViewerTab::HexDump, ViewerTab::HexDump},
        {data, std::nullopt, ViewerTab::Disassembly},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tabInFront(c.page, c.previous), c.expected)
            << viewerTabTitle(c.page.tabs.front()) << " after "
            << (c.previous ? viewerTabTitle(*c.previous) : "none");
    EXPECT_STREQ(viewerTabTitle(ViewerTab::BasicListing), "BASIC listing");
    EXPECT_STREQ(viewerTabTitle(ViewerTab::Screen), "Screen");
    EXPECT_STREQ(viewerTabTitle(ViewerTab::Disassembly), "Disassembly");
    EXPECT_STREQ(viewerTabTitle(ViewerTab::HexDump), "Hex dump");
}

}  // namespace
}  // namespace murax
