// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>

#include "tape/commands/add_command.h"
#include "tape/commands/clipboard_commands.h"
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

class CutShortEntries : public HexEditor {
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
        open("main.tap", tape, {1}, 1);
        fake.clipboard = {{"application/x-spectrum-tap", lone(9)}};
        INCOLLA(window, list);
        ANNULLA(window, list);
        fake.clipboard.clear();
        window.list.setState(list.lines(), std::move(selected), current);
        window.list.log.clear();
    }
};

// Every edit that would put a cut-short entry before another is refused with a message that
// names the entry, and nothing changes: not the list, not the rows, not the history.
TEST_F(CutShortEntries, EveryEditThatWouldPutOneBeforeOthersIsRefused)
{
    const std::string whole = tapeOf({1, 2, 3});
    const std::string endsCut = tapeOf({1, 2}) + kCut;
    struct Case {
        const char* what;
        std::string tape;
        std::set<int> selected;
        int current;
        std::function<void()> act;
        std::string named;  // how the message names the entry; empty: allowed
    };
    const auto paste = [this](const std::string& bytes) {
        return [this, bytes] {
            fake.clipboard = {{"application/x-spectrum-tap", bytes}};
            INCOLLA(window, list);
        };
    };
    const auto add = [this](bool insert) {
        return [this, insert] {
            fake.openAnswers = {write("cut.tap", tapeOf({7, 8}) + kCut)};
            AGGIUNGI(window, list, insert);
        };
    };
    const auto drop = [this](int before, bool cutFirst) {
        return [this, before, cutFirst] {
            const std::string cut = write("cut.tap", tapeOf({7}) + kCut);
            const std::string other = write("other.tap", tapeOf({8}));
            RILASCIA(window, list, cutFirst ? std::vector{cut, other} : std::vector{other, cut},
                     before);
        };
    };
    const auto drag = [this](int before) {
        return [this, before] { TRASCINA(window, list, before); };
    };
    const auto up = [this] { SPOSTASU(window, list); };
    const auto down = [this] { SPOSTAGIU(window, list); };
    const auto hexEdit = [this](const std::string& bytes) {
        return [this, bytes] {
            editWith([bytes](std::string& edited) { edited = bytes; });
            MODHEX(window, list);
        };
    };
    const std::string cutFile = path("cut.tap");
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
        // A lone header only joins the block after it when the tape is read again: allowed.
        {"paste of a lone header", whole, {1}, 1, paste(headerBlock(3, "alone", 9, 0, 0)), ""},
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
        ASSERT_EQ(fake.messages.size(), told + 1);
        EXPECT_EQ(fake.messages.back().text, c.named + kRest);
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

// Cut and paste take a cut-short entry out and put it back only at the end; every state that
// undo and redo then pass through saves bytes that split back into the rows shown.
TEST_F(CutShortEntries, UndoAndRedoOnlyPassThroughStatesThatSplitBackTheSame)
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
