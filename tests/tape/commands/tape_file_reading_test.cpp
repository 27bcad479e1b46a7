// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TZX tapes through the commands: Add, Insert and a drop take their converted entries in as one
// step and say what became of the other blocks; Open and the start-up load refuse them.
#include "tape/commands/tape_file_reading.h"
#include "tape/commands/add_command.h"
#include "tape/commands/drop_commands.h"
#include "tape/commands/open_commands.h"
#include "tape/commands/undo_commands.h"
#include "tape/model/block_info.h"

#include "tests/tape/commands/command_fixture.h"
#include "tests/tape/tzx/tzx_builder.h"

namespace murax::testing {
namespace {

using TzxCommands = CommandTest;
using Tags = std::vector<int>;

// The lone entries of the tags, each as a standard speed block.
std::string standardBlocksOf(std::initializer_list<int> tagList)
{
    std::string blocks;
    for (const int tag : tagList)
        blocks += standardSpeed(lone(tag).substr(2));
    return blocks;
}

const std::string kText = idAnd(0x30, "\x04text");
const std::string kTone = idAnd(0x12, littleEndianBytes(2168, 2) + littleEndianBytes(100, 2));

std::string refusal(const std::string& name)
{
    return "File\r\n\r\n" + name +
           "\r\n\r\nis a TZX tape, not a TAP file.\r\n"
           "Add... (or murax-list --to-tap) brings its blocks into a TAP file.";
}

TEST_F(TzxCommands, AddTakesATzxTapeByItsSignatureAndUndoTakesItBackInOneStep)
{
    open("main.tap", tapeOf({1, 2}), {1}, 1);
    // Named as a TAP file and given without extension: the signature decides, not the name.
    write("game.tap",
          tzxFile(kText + standardBlocksOf({7, 8}) + idAnd(0x20, littleEndianBytes(0, 2)) +
                  turboSpeed(lone(9).substr(2))));
    fake.openAnswers = {"game"};

    AGGIUNGI(window, list, false);

    EXPECT_EQ(fake.openFilters, std::vector<std::vector<std::string>>{kAddFileFilters});
    EXPECT_EQ(tags(), (Tags{1, 2, 7, 8, 9}));
    expectListInStep();
    EXPECT_EQ(window.list.selectedPositions(), Tags{1});
    EXPECT_EQ(window.statusTexts.back(), BLKINFO(list));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].kind, 1);
    EXPECT_EQ(fake.messages[0].text,
              "File\r\n\r\n" + path("game.tap") +
                  "\r\n\r\nis a TZX tape: its 3 data blocks became 3 entries, "
                  "and 2 blocks without data were passed over.");

    ANNULLA(window, list);
    EXPECT_EQ(tags(), (Tags{1, 2}));
    EXPECT_FALSE(list.history().canUndo());
}

TEST_F(TzxCommands, InsertNamesTheBlocksLeftOutWithTheirPlaces)
{
    open("main.tap", tapeOf({1, 2, 3}), {2}, 2);
    // Offsets: the tone at 10, the turbo block after it, its last byte partial.
    const std::string partial = turboSpeed(lone(6).substr(2), 5);
    write("mixed.tzx", tzxFile(kTone + partial + standardBlocksOf({7}) + kTone));
    fake.openAnswers = {"mixed.tzx"};

    AGGIUNGI(window, list, true);

    EXPECT_EQ(tags(), (Tags{1, 7, 2, 3}));
    EXPECT_EQ(window.list.selectedPositions(), Tags{2});
    ASSERT_EQ(fake.messages.size(), 1u);
    const std::size_t turboAt = 10 + kTone.size();
    const std::size_t lastToneAt = turboAt + partial.size() + standardBlocksOf({7}).size();
    EXPECT_EQ(fake.messages[0].text,
              "File\r\n\r\n" + path("mixed.tzx") +
                  "\r\n\r\nis a TZX tape: its 1 data block became 1 entry.\r\n\r\n"
                  "These blocks were left out, since no TAP block can hold them as they are:\r\n"
                  "block 1 (ID 0x12, pure tone) at offset 10: a tone, no bytes\r\n"
                  "block 2 (ID 0x11, turbo speed data) at offset " +
                  std::to_string(turboAt) +
                  ": its last byte has 5 bits, not 8\r\n"
                  "block 4 (ID 0x12, pure tone) at offset " +
                  std::to_string(lastToneAt) + ": a tone, no bytes");
}

TEST_F(TzxCommands, ATzxTapeWithManyBlocksLeftOutNamesTwentyOfThem)
{
    std::string tones;
    for (int i = 0; i < 23; ++i)
        tones += kTone;
    fake.openAnswers = {write("tones.tzx", tzxFile(tones))};
    AGGIUNGI(window, list, false);
    ASSERT_EQ(fake.messages.size(), 1u);
    const std::string& text = fake.messages[0].text;
    EXPECT_NE(text.find("block 20 (ID 0x12, pure tone)"), std::string::npos) << text;
    EXPECT_EQ(text.find("block 21 "), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 13), "\r\nand 3 more.");
}

TEST_F(TzxCommands, DroppedTzxTapesGoInWithTheOthersAndAreToldInOneMessage)
{
    open("main.tap", tapeOf({1, 2}), {1}, 1);
    const std::string seven = standardBlocksOf({7});
    const std::vector<std::string> files = {
        write("a.tap", tapeOf({5})), write("b.tzx", tzxFile(standardBlocksOf({6, 7}) + kText)),
        write("cut.tzx", tzxFile(seven + standardBlocksOf({8}).substr(0, 6))),
        write("tone.tzx", tzxFile(kTone))};

    RILASCIA(window, list, files, 2);

    EXPECT_EQ(tags(), (Tags{1, 5, 6, 7, 2}));
    EXPECT_EQ(window.list.selectedPositions(), (Tags{2, 3, 4}));
    ASSERT_EQ(fake.messages.size(), 2u);
    // A malformed tape adds nothing and is told at once; the others are told together.
    EXPECT_EQ(
        fake.messages[0].text,
        "File\r\n\r\n" + path("cut.tzx") +
            "\r\n\r\nis a TZX tape that cannot be read: block 2 (ID 0x10, standard speed data) "
            "at offset " +
            std::to_string(10 + seven.size()) +
            " runs past the end of the file: it needs 12 bytes after its ID, 5 are left.\r\n"
            "Nothing was taken from it.");
    EXPECT_EQ(
        fake.messages[1].text,
        "File\r\n\r\n" + path("b.tzx") +
            "\r\n\r\nis a TZX tape: its 2 data blocks became 2 entries, and 1 block without data "
            "was passed over.\r\n\r\nFile\r\n\r\n" +
            path("tone.tzx") +
            "\r\n\r\nis a TZX tape: none of its blocks became an entry.\r\n\r\n"
            "These blocks were left out, since no TAP block can hold them as they are:\r\n"
            "block 1 (ID 0x12, pure tone) at offset 10: a tone, no bytes");
    ANNULLA(window, list);
    EXPECT_EQ(tags(), (Tags{1, 2}));

    // A drop that brings no entry still says why.
    RILASCIA(window, list, {files[3]}, 1);
    EXPECT_EQ(tags(), (Tags{1, 2}));
    EXPECT_EQ(fake.messages.size(), 3u);
    EXPECT_FALSE(list.history().canUndo());
}

TEST_F(TzxCommands, OpenAndTheStartUpLoadRefuseATzxTapeAndLeaveItAlone)
{
    const std::string tzx = tzxFile(standardBlocksOf({7}));
    write("game.tzx", tzx);

    const std::string argument = "game.tzx";
    EXPECT_FALSE(startupLoad(app, &argument, list));
    EXPECT_TRUE(list.currentFile.empty());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, refusal(path("game.tzx")));

    // Open keeps the open tape and its unsaved edit without asking about it.
    open("main.tap", tapeOf({1, 2}), {1}, 1);
    list.removeSelection({1});
    fake.openAnswers = {"game.tzx"};
    APRI(window, list);
    EXPECT_EQ(fake.openFilters.back(), kTapFileFilters);
    EXPECT_EQ(tags(), Tags{1});
    EXPECT_EQ(list.currentFile, path("main.tap"));
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[1].text, refusal(path("game.tzx")));
    EXPECT_TRUE(window.titles.empty());
    EXPECT_EQ(read(path("game.tzx")), tzx);

    // Any other file still opens as TAP bytes, one that merely resembles the signature too.
    const std::string almost = std::string("ZXTape!\x1B\x01\x14", 10) + lone(3);
    write("almost.tap", almost);
    fake.openAnswers = {"almost"};
    APRI(window, list);
    EXPECT_EQ(list.currentFile, path("almost.tap"));
    EXPECT_EQ(joinEntries(list), almost);
}

}  // namespace
}  // namespace murax::testing
