// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "seam/message_box.h"
#include "tape/commands/export_command.h"
#include "tape/commands/key_router.h"
#include "tape/commands/view_entry_command.h"
#include "tape/commands/virtual_keys.h"
#include "tape/format/display_charset.h"
#include "tape/format/entry_bytes.h"
#include "tape/inspect/basic_listing.h"
#include "tape/inspect/entry_details.h"
#include "tape/inspect/z80_disassembly.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

const std::string kProgramData = printOneProgram();

std::string screenData()
{
    std::string bytes(kScreenBytes, '\0');
    for (std::size_t i = 0; i < kScreenPixelBytes; ++i)
        bytes[i] = static_cast<char>(i * 7);
    for (std::size_t i = kScreenPixelBytes; i < kScreenBytes; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

std::string screenEntry()
{
    return headerBlock(3, "pic", kScreenBytes, 16384, 32768) + dataBlock(screenData());
}

std::string bytesEntry(const std::string& payload)
{
    return headerBlock(3, "code", payload.size(), 32768, 32768) + dataBlock(payload);
}

TEST(EntryDetails, ShowsWhatEachKindOfEntryHas)
{
    const EntryDetails program = detailsOfEntry(printOneEntry());
    EXPECT_EQ(program.title, "hello");
    ASSERT_FALSE(program.fields.empty());
    EXPECT_EQ(program.fields[0].label, "Flag");
    ASSERT_TRUE(program.basicListing);
    EXPECT_EQ(*program.basicListing,
              basicListingText(listBasic(kProgramData, kProgramData.size(), 10)));
    EXPECT_FALSE(program.screen);
    EXPECT_EQ(program.hexDump.size(), (printOneEntry().size() + 15) / 16);

    const EntryDetails screen = detailsOfEntry(screenEntry());
    EXPECT_EQ(screen.title, "pic");
    ASSERT_TRUE(screen.screen);
    EXPECT_EQ(screen.screen->rgba, decodeScreen(screenData())->rgba);
    EXPECT_FALSE(screen.basicListing);

    // Screen memory without a bytes header, or a bytes entry of another size, is only bytes.
    for (const std::string& entry : {dataBlock(screenData()), bytesEntry(std::string(6000, 'x')),
                                     headerBlock(0, "empty", 0, 32768, 0) + dataBlock("")}) {
        const EntryDetails other = detailsOfEntry(entry);
        EXPECT_FALSE(other.screen);
        EXPECT_EQ(other.hexDump.empty(), false);
    }
    // An empty program still has a listing to show (its autostart line, if nothing else).
    EXPECT_TRUE(detailsOfEntry(headerBlock(0, "empty", 0, 32768, 0) + dataBlock("")).basicListing);

    const EntryDetails data = detailsOfEntry(dataBlock("abc"));
    EXPECT_EQ(data.title, "Data block");
    EXPECT_TRUE(data.fields.empty());
    EXPECT_FALSE(data.basicListing);
    EXPECT_EQ(verdictColumn(data.verdicts), "ok");
}

TEST(EntryDetails, TitleKeepsInnerSpacesAndShowsBytesInTheListsMapping)
{
    EXPECT_EQ(entryTitle(bytesEntry("x").replace(4, 10, "a b\x7F      ")),
              "a b" + bytesToDisplayUtf8("\x7F"));
    EXPECT_EQ(entryTitle(bytesEntry("x").replace(4, 10, "          ")), "");
}

class ViewEntryCommandTest : public CommandTest {};

TEST_F(ViewEntryCommandTest, OpensOnTheCurrentRowOnlyAndF3StartsIt)
{
    open("t.tap", printOneEntry() + lone(1));
    viewEntryCommand(window, list);
    EXPECT_TRUE(window.viewerShownOn.empty());  // no current row

    window.list.select(2);
    EXPECT_FALSE(TASTI(window, {vk::F3}, list));
    EXPECT_EQ(window.viewerShownOn, std::vector<int>{2});
    EXPECT_TRUE(fake.events.empty());
}

class ExportCommandTest : public CommandTest {
protected:
    // Opens a tape of the one entry and exports it to `name`.
    void exportEntry(const std::string& entry, const std::string& name)
    {
        open("t.tap", entry, {1}, 1);
        fake.saveAnswers.push_back(name);
        exportCommand(window, list);
    }
};

TEST_F(ExportCommandTest, TheNameChoosesDataBytesListingPictureOrDisassembly)
{
    exportEntry(printOneEntry(), "prog.bin");
    EXPECT_EQ(read(path("prog.bin")), kProgramData);
    EXPECT_EQ(fake.events,
              std::vector<std::string>{
                  "save: Export data bytes (a name ending in .txt: the BASIC listing)"});

    exportEntry(printOneEntry(), "prog.TXT");
    std::string text;
    for (const std::string& line :
         basicListingText(listBasic(kProgramData, kProgramData.size(), 10)))
        text += line + "\n";
    EXPECT_EQ(read(path("prog.TXT")), text);

    exportEntry(screenEntry(), "pic.png");
    const auto picture = decodeScreen(screenData());
    EXPECT_EQ(read(path("pic.png")),
              "png 256x192:" + std::string(picture->rgba.begin(), picture->rgba.end()));

    // A name asking for a form the entry lacks gets the data bytes.
    exportEntry(printOneEntry(), "prog.png");
    EXPECT_EQ(read(path("prog.png")), kProgramData);
    exportEntry(screenEntry(), "pic.txt");
    EXPECT_EQ(read(path("pic.txt")), screenData());
    exportEntry(dataBlock("lone"), "lone.txt");
    EXPECT_EQ(read(path("lone.txt")), "lone");
    EXPECT_EQ(fake.events.back(),
              "save: Export data bytes (a name ending in .asm: the disassembly)");
    exportEntry(printOneEntry(), "prog.asm");
    EXPECT_EQ(read(path("prog.asm")), kProgramData);

    // Code at its start address; a data block without a header at 0.
    exportEntry(bytesEntry("\xC9"), "code.ASM");
    EXPECT_EQ(read(path("code.ASM")), z80Source("\xC9", 32768));
    exportEntry(dataBlock("\xC9"), "lone.asm");
    EXPECT_EQ(read(path("lone.asm")), z80Source("\xC9", 0));
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ExportCommandTest, TheDialogOffersAFilterForEachFormTheEntryHas)
{
    const struct {
        std::string entry;
        std::vector<std::string> filters;
    } cases[] = {
        {printOneEntry(), {"Data bytes (*)", "BASIC listing (*.txt)"}},
        {screenEntry(), {"Data bytes (*)", "Screen picture (*.png)", "Disassembly (*.asm)"}},
        {bytesEntry("abc"), {"Data bytes (*)", "Disassembly (*.asm)"}},
        {dataBlock(screenData()), {"Data bytes (*)", "Disassembly (*.asm)"}},
    };
    for (const auto& c : cases) {
        fake.saveFilters.clear();
        exportEntry(c.entry, "");
        EXPECT_EQ(fake.saveFilters, std::vector<std::vector<std::string>>{c.filters})
            << fake.events.back();
    }
}

TEST_F(ExportCommandTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees)
{
    write("old.bin", "keep me");
    fake.messageAnswers.push_back(Desktop::Cancel);
    exportEntry(bytesEntry("new"), "old.bin");
    EXPECT_EQ(read(path("old.bin")), "keep me");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].kind, 2);
    EXPECT_NE(fake.messages[0].text.find(path("old.bin")), std::string::npos);

    fake.messageAnswers.push_back(Desktop::Ok);
    exportEntry(bytesEntry("new"), "old.bin");
    EXPECT_EQ(read(path("old.bin")), "new");
}

TEST_F(ExportCommandTest, NothingIsWrittenWithoutACurrentRowOrAName)
{
    auto files = [this] {
        std::set<std::filesystem::path> names;
        for (const auto& file : std::filesystem::directory_iterator(folder))
            names.insert(file.path());
        return names;
    };
    open("t.tap", bytesEntry("abc"));
    const auto before = files();
    fake.saveAnswers.push_back("out.bin");
    exportCommand(window, list);
    EXPECT_TRUE(fake.events.empty());

    fake.saveAnswers.clear();
    exportEntry(bytesEntry("abc"), "");  // the dialog cancelled
    EXPECT_EQ(fake.events.size(), 1u);
    EXPECT_EQ(files(), before);
}

TEST_F(ExportCommandTest, AFailedWriteIsReportedAndAPictureThatCannotBeMadeIsSaid)
{
    std::filesystem::create_directory(path("folder.bin"));
    EXPECT_THROW(exportEntry(bytesEntry("abc"), "folder.bin"), CommandAbandoned);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].FILENAME, path("folder.bin"));
    EXPECT_TRUE(std::filesystem::is_directory(path("folder.bin")));

    window.png.fails = true;
    exportEntry(screenEntry(), "pic.png");
    EXPECT_FALSE(std::filesystem::exists(path("pic.png")));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "The screen could not be made into a PNG picture.");
}

}  // namespace
}  // namespace murax::testing
