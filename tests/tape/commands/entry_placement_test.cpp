// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>

#include "tape/commands/add_command.h"
#include "tape/commands/clipboard_commands.h"
#include "tape/commands/delete_command.h"
#include "tape/commands/drop_commands.h"
#include "tape/commands/hex_editor_command.h"
#include "tape/commands/move_commands.h"
#include "tape/commands/undo_commands.h"
#include "tape/format/entry_bytes.h"

#include "tests/tape/commands/hex_editor_fixture.h"

namespace murax::testing {
namespace {

// A data block whose length field promises 9 bytes of which only the flag is there.
const std::string kCut("\x09\x00\xFF", 3);
// The clipboards of the report: one lone byte, and a block of 5000 bytes with four of them there.
const std::string kLoneByte("\x13", 1);
const std::string kLongPromise("\x88\x13\xFF\x01\x02\x03", 6);
const std::string kRest =
    " is cut short: it ends before its length says.\r\n"
    "Only the last block of a tape can be cut short. Anywhere else it "
    "would swallow the blocks after it.";
const std::string kIsAlone = " is a header without its data block.\r\n";
const std::string kIsEmpty = " is an empty block: it has no flag byte.\r\n";
const std::string kIsSeveral = " holds the blocks of more than one entry.\r\n";

// A header block alone, and one too short for a header's fields: each takes the block after it.
const std::string kHeaderAlone = headerBlock(3, "alone", 4, 0, 0);
const std::string kShortHeader = framed(std::string("\x00\x07", 2));
// An empty block, and a block whose length (256) begins with the byte 0.
const std::string kEmptyBlock = framed("");
const std::string kLength256 = dataBlock(std::string(254, 'x'));

TEST(CutShortEntry, IsAnEntryThatEndsInsideABlock)
{
    const std::string headerAlone = headerBlock(3, "code", 4, 0, 0);
    struct Case {
        std::string entry;
        bool cutShort;
    };
    const Case cases[] = {
        {lone(1), false},
        {headerEntry("code"), false},
        {headerAlone, false},  // a lone header: whole, it only joins the next block
        {framed(""), false},   // an empty block
        {std::string("\x01\x00\x00", 3), false},
        {kLoneByte, true},  // half a length field
        {kLongPromise, true},
        {kCut, true},
        {headerAlone + "\x06", true},  // the data block's length field cut
        {headerEntry("code").substr(0, 26), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isCutShort(c.entry), c.cutShort) << ::testing::PrintToString(c.entry);
}

class EntryPlacement : public HexEditor {
protected:
    void SetUp() override
    {
        HexEditor::SetUp();
        configure("[Edit]\nHex editor=hexed\n");
    }

    // Opens `tape` with the given rows, then makes and takes back one edit, so that a refusal
    // can be seen to keep both the undo and the redo history.
    void openWithHistory(const std::string& tape, std::set<int> selected, int current)
    {
        fake.messageAnswers.clear();
        open("main.tap", tape, {1}, 1);
        fake.clipboard = {{"application/x-spectrum-tap", lone(9)}};
        INCOLLA(window, list);
        ANNULLA(window, list);
        fake.clipboard.clear();
        window.list.setState(list.lines(), std::move(selected), current);
        window.list.log.clear();
    }

    // The edits the tables make.
    std::function<void()> paste(const std::string& bytes)
    {
        return [this, bytes] {
            fake.clipboard = {{"application/x-spectrum-tap", bytes}};
            INCOLLA(window, list);
        };
    }
    std::function<void()> drag(int before)
    {
        return [this, before] { TRASCINA(window, list, before); };
    }
    std::function<void()> hexEdit(const std::string& bytes)
    {
        return [this, bytes] {
            editWith([bytes](std::string& edited) { edited = bytes; });
            MODHEX(window, list);
        };
    }
    const std::function<void()> up = [this] { SPOSTASU(window, list); };
    const std::function<void()> down = [this] { SPOSTAGIU(window, list); };
};

// Every edit that would leave an entry that the tape, saved and read again, gives back otherwise
// (cut short, a header alone before a header, an empty block before a block it would be read
// with, an edited entry of several) is refused with a message that names the entry, and nothing
// changes: not the list, not the rows, not the history.
TEST_F(EntryPlacement, EveryEditThatWouldRegroupEntriesIsRefused)
{
    const std::string whole = tapeOf({1, 2, 3});
    const std::string endsCut = tapeOf({1, 2}) + kCut;
    struct Case {
        const char* what;
        std::string tape;
        std::set<int> selected;
        int current;
        std::function<void()> act;
        std::string named;        // how the message names the entry; empty: allowed
        std::string why = kRest;  // the message after the name (its first line)
        std::size_t asked = 0;    // the questions the command asks first
    };
    const auto add = [this](bool insert, std::string bytes = "") {
        return [this, insert, bytes] {
            fake.openAnswers = {write("cut.tap", bytes.empty() ? tapeOf({7, 8}) + kCut : bytes)};
            AGGIUNGI(window, list, insert);
        };
    };
    const auto drop = [this](int before, bool cutFirst, std::string bytes = "") {
        return [this, before, cutFirst, bytes] {
            const std::string cut = write("cut.tap", bytes.empty() ? tapeOf({7}) + kCut : bytes);
            const std::string other = write("other.tap", tapeOf({8}));
            RILASCIA(window, list, cutFirst ? std::vector{cut, other} : std::vector{other, cut},
                     before);
        };
    };
    const auto remove = [this] {
        fake.messageAnswers = {Desktop::Yes};
        ELIMINA(window, list);
    };
    // A refused cut leaves the clipboard as it was too.
    const auto cut = [this] {
        fake.clipboard = {{"text/plain", "kept"}};
        TAGLIA(window, list);
        EXPECT_EQ(fake.clipboard.size(), 1u);
        EXPECT_EQ(fake.clipboard["text/plain"], "kept");
    };
    const std::string cutFile = path("cut.tap"), clip = "Block 1 of the clipboard";
    const std::string &alone = kHeaderAlone, &empty = kEmptyBlock, two = lone(7) + lone(8);
    const std::string headers = headerEntry("one") + headerEntry("two");
    const std::string endsAlone = lone(1) + headerEntry("h") + kHeaderAlone;
    const std::string endsShort = lone(1) + headerEntry("h") + kShortHeader;
    const std::string emptyFirst = kEmptyBlock + lone(1) + kLength256;
    const Case cases[] = {
        {"paste of one byte", whole, {2}, 2, paste(kLoneByte), "Block 1 of the clipboard"},
        {"paste of a long promise", whole, {1}, 1, paste(kLongPromise), "Block 1 of the clipboard"},
        {"paste ending cut short",
         whole,
         {3},
         3,
         paste(lone(5) + kCut),
         "Block 2 of the clipboard"},
        {"paste at the end", whole, {}, 0, paste(lone(5) + kCut), ""},
        {"paste after a cut entry", endsCut, {}, 0, paste(lone(5)), "Block 3"},
        {"insert", whole, {2}, 2, add(true), "Block 3 of " + cutFile},
        {"add after a cut entry", endsCut, {1}, 1, add(false), "Block 3"},
        {"add at the end", whole, {1}, 1, add(false), ""},
        {"drop in the middle", whole, {1}, 1, drop(2, false), "Block 2 of " + cutFile},
        {"drop of two files at the end", whole, {1}, 1, drop(4, true), "Block 2 of " + cutFile},
        {"drop at the end", whole, {1}, 1, drop(4, false), ""},
        {"drop after a cut entry", endsCut, {1}, 1, drop(4, false), "Block 3"},
        {"move up of the last", endsCut, {3}, 3, up, "Block 3"},
        {"move down above it", endsCut, {2}, 2, down, "Block 3"},
        {"move up above it", endsCut, {2}, 2, up, ""},
        {"drag of the last", endsCut, {2, 3}, 3, drag(1), "Block 3"},
        {"drag below the last", endsCut, {1}, 1, drag(4), "Block 3"},
        {"drag that keeps it last", endsCut, {1}, 1, drag(3), ""},
        {"hex edit in the middle", whole, {2}, 2, hexEdit(kLongPromise), "Block 2 as edited"},
        {"hex edit of the last", whole, {3}, 3, hexEdit(kLongPromise), ""},
        // A header without its data block may stand last, or before a data entry it then takes
        // as its data; before a header entry it would take that header as its data. An empty
        // block before a block whose length begins with 0 would be read as a header. An edited
        // entry comes back as one entry or not at all.
        {"paste before a header", headers, {2}, 2, paste(alone), clip, kIsAlone},
        {"move up of a lone header", endsAlone, {3}, 3, up, "Block 3", kIsAlone},
        {"move up of a short header", endsShort, {3}, 3, up, "Block 3", kIsAlone},
        {"move down above it", headerEntry("h") + alone, {1}, 1, down, "Block 2", kIsAlone},
        {"drag above a header", endsAlone, {3}, 3, drag(2), "Block 3", kIsAlone},
        {"insert", headers, {2}, 2, add(true, lone(7) + alone), "Block 2 of " + cutFile, kIsAlone},
        {"add after it", endsAlone, {1}, 1, add(false, headerEntry("a")), "Block 3", kIsAlone},
        {"drop", headers, {1}, 1, drop(2, false, alone), "Block 1 of " + cutFile, kIsAlone},
        {"hex edit into it", headers, {1}, 1, hexEdit(alone), "Block 1 as edited", kIsAlone},
        {"delete before a 256", emptyFirst, {2}, 2, remove, "Block 1", kIsEmpty, 1},
        {"cut before a 256", emptyFirst, {2}, 2, cut, "Block 1", kIsEmpty},
        {"move up above an empty block", emptyFirst, {2}, 2, up, "Block 1", kIsEmpty},
        {"paste of one before a 256", emptyFirst, {3}, 3, paste(empty), clip, kIsEmpty},
        {"hex edit into two", whole, {2}, 2, hexEdit(two), "Block 2 as edited", kIsSeveral},
        {"hex edit of the last", whole, {3}, 3, hexEdit(two), "Block 3 as edited", kIsSeveral},
        {"paste of a lone header last", whole, {}, 0, paste(alone), ""},
        {"paste of an empty block before a block of 8", whole, {2}, 2, paste(empty), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        openWithHistory(c.tape, c.selected, c.current);
        const std::string before = joinEntries(list);
        const std::vector<int> rows = window.list.selectedPositions();
        const std::size_t told = fake.messages.size(), statusTexts = window.statusTexts.size();
        const int repaints = window.repaints;

        c.act();

        if (c.named.empty()) {
            EXPECT_EQ(fake.messages.size(), told);
            EXPECT_EQ(list.history().undoCount(), 1u);
            expectListInStep();
            continue;
        }
        ASSERT_EQ(fake.messages.size(), told + c.asked + 1);
        EXPECT_EQ(fake.messages.back().text.rfind(c.named + c.why, 0), 0u)
            << fake.messages.back().text;
        EXPECT_EQ(fake.messages.back().kind, 1);
        EXPECT_EQ(fake.messages.back().title, "Attenzione");
        EXPECT_EQ(joinEntries(list), before);
        EXPECT_EQ(window.list.log, std::vector<std::string>{});
        EXPECT_EQ(window.list.selectedPositions(), rows);
        EXPECT_EQ(window.list.focus, c.current);
        EXPECT_EQ(list.history().undoCount(), 0u);
        EXPECT_EQ(list.history().redoCount(), 1u);
        EXPECT_EQ(window.statusTexts.size(), statusTexts);
        EXPECT_EQ(window.repaints, repaints);
        EXPECT_TRUE(errors.empty());
    }
}

// A header without its data block that an edit puts directly before a data entry takes it as its
// data at once: the list shows the two as one entry, as the tape will load, with that entry
// selected where the command selects the entries it placed; one undo brings back the list and
// the rows as they were, and redo the pair.
TEST_F(EntryPlacement, AHeaderAlonePutBeforeADataEntryTakesItAsItsData)
{
    struct Case {
        const char* what;
        std::string tape;
        std::set<int> selected;
        int current;
        std::function<void()> act;
        std::vector<std::string> entries;  // after the edit
        std::vector<int> rows;             // selected after it
    };
    const auto add = [this](bool insert, const std::string& bytes) {
        return [this, insert, bytes] {
            fake.openAnswers = {write("added.tap", bytes)};
            AGGIUNGI(window, list, insert);
        };
    };
    const auto drop = [this](int before, const std::string& first, const std::string& second) {
        return [this, before, first, second] {
            RILASCIA(window, list, {write("first.tap", first), write("second.tap", second)},
                     before);
        };
    };
    const std::string &alone = kHeaderAlone, &shortOne = kShortHeader, &empty = kEmptyBlock;
    const std::string endsAlone = lone(1) + lone(2) + alone, paired = alone + lone(2);
    const std::string l1 = lone(1), l2 = lone(2), l7 = lone(7), l8 = lone(8), l12 = tapeOf({1, 2});
    const Case cases[] = {
        {"move up", endsAlone, {3}, 3, up, {l1, paired}, {2}},
        {"move down of the data", endsAlone, {2}, 2, down, {l1, paired}, {2}},
        {"move up of a short header", l12 + shortOne, {3}, 3, up, {l1, shortOne + l2}, {2}},
        {"move up onto an empty block", l1 + empty + alone, {3}, 3, up, {l1, alone + empty}, {2}},
        {"drag", endsAlone, {3}, 3, drag(1), {alone + l1, l2}, {1}},
        {"paste", l12, {2}, 2, paste(alone), {l1, paired}, {2}},
        {"paste of data and one", l12, {1}, 1, paste(l7 + alone), {l7, alone + l1, l2}, {1, 2}},
        {"add after it", l1 + alone, {1}, 1, add(false, l2 + lone(3)), {l1, paired, lone(3)}, {1}},
        {"insert ending alone", l12, {2}, 2, add(true, l7 + alone), {l1, l7, paired}, {2}},
        {"drop of two that pair",
         l1,
         {1},
         1,
         drop(2, l7 + alone, l8),
         {l1, l7, alone + l8},
         {2, 3}},
        {"hex edit", l12, {1}, 1, hexEdit(alone), {paired}, {1}},
        // Taken into the pair, the empty block no longer stands before the block of 256 alone.
        {"drag onto an empty block before a 256",
         empty + l1 + kLength256 + alone,
         {2, 4},
         4,
         drag(1),
         {l1, alone + empty, kLength256},
         {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        openWithHistory(c.tape, c.selected, c.current);
        const std::vector<std::string> before = list.entries();
        const DisplayLines lines = list.lines();
        const std::size_t told = fake.messages.size();

        c.act();

        EXPECT_EQ(fake.messages.size(), told);
        EXPECT_EQ(list.entries(), c.entries);
        EXPECT_EQ(window.list.selectedPositions(), c.rows);
        EXPECT_EQ(window.list.focus, c.rows.front());
        expectListInStep();
        BlockList again;
        splitIntoEntries(joinEntries(list), again);
        EXPECT_EQ(again.entries(), list.entries());
        EXPECT_EQ(again.lines(), list.lines());

        ANNULLA(window, list);
        EXPECT_EQ(list.entries(), before);
        EXPECT_EQ(list.lines(), lines);
        EXPECT_EQ(window.list.selectedPositions(),
                  std::vector<int>(c.selected.begin(), c.selected.end()));
        RIPETI(window, list);
        EXPECT_EQ(list.entries(), c.entries);
        EXPECT_EQ(window.list.selectedPositions(), c.rows);
    }
}

// Cut and paste take a cut-short entry out and put it back only at the end; every state that
// undo and redo then pass through saves bytes that split back into the rows shown.
TEST_F(EntryPlacement, UndoAndRedoOnlyPassThroughStatesThatSplitBackTheSame)
{
    open("main.tap", tapeOf({1, 2}) + kCut, {1}, 1);
    TAGLIA(window, list);  // 2 cut
    fake.clipboard = {{"application/x-spectrum-tap", lone(4)}};
    window.list.setState(list.lines(), {}, 0);
    INCOLLA(window, list);  // after the cut entry: refused
    window.list.setState(list.lines(), {2}, 2);
    TAGLIA(window, list);  // 2
    window.list.setState(list.lines(), {}, 0);
    INCOLLA(window, list);  // 2 cut
    window.list.setState(list.lines(), {1}, 1);
    INCOLLA(window, list);  // before entry 2: refused
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[0].text, "Block 2" + kRest);
    EXPECT_EQ(fake.messages[1].text, "Block 1 of the clipboard" + kRest);
    ASSERT_EQ(list.history().undoCount(), 3u);

    const auto splitsBackTheSame = [this] {
        BlockList again;
        splitIntoEntries(joinEntries(list), again);
        EXPECT_EQ(again.entries(), list.entries());
    };
    for (int round = 0; round < 2; ++round) {
        while (list.history().canUndo()) {
            ANNULLA(window, list);
            splitsBackTheSame();
        }
        while (list.history().canRedo()) {
            RIPETI(window, list);
            splitsBackTheSame();
        }
    }
    EXPECT_EQ(joinEntries(list), lone(2) + kCut);
}

}  // namespace
}  // namespace murax::testing
