// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/add_command.h"
#include "tape/commands/clipboard_commands.h"
#include "tape/commands/delete_command.h"
#include "tape/commands/drop_commands.h"
#include "tape/commands/hex_editor_command.h"
#include "tape/commands/move_commands.h"
#include "tape/commands/open_commands.h"
#include "tape/commands/rename_command.h"
#include "tape/commands/save_commands.h"
#include "tape/commands/undo_commands.h"
#include "tape/model/block_info.h"
#include "tape/model/change_detection.h"

#include "tests/tape/commands/command_fixture.h"
#include "tests/tape/commands/hex_editor_fixture.h"

namespace murax::testing {
namespace {

using EditCommands = CommandTest;
using Tags = std::vector<int>;
using Rows = std::vector<int>;

// --- Undo and redo ----------------------------------------------------------------------------

TEST_F(EditCommands, EveryEditIsTakenBackWithItsRowsAndMadeAgain)
{
    open("main.tap", header(3, "named") + data("abc") + tapeOf({1, 2, 3, 4}), {2, 4}, 4);
    const std::string original = joinEntries(list);
    fake.openAnswers = {write("other.tap", tapeOf({7, 8}))};
    fake.messageAnswers = {Desktop::Yes};
    window.nameAnswers = {std::string("renamed")};

    struct Done {
        std::string bytes;
        Rows selected;
        int current;
    };
    std::vector<Done> states{{original, {2, 4}, 4}};
    const auto note = [&] {
        states.push_back({joinEntries(list), window.list.selectedPositions(), window.list.focus});
    };
    AGGIUNGI(window, list, true);  // inserts 7 8 at row 4
    note();
    ELIMINA(window, list);  // deletes row 4
    note();
    SPOSTASU(window, list);  // row 4 up
    note();
    window.list.setState(list.lines(), {1}, 1);
    states.back().selected = {1};
    states.back().current = 1;
    MODIFICA(window, list);  // renames the header entry
    note();
    ASSERT_EQ(list.history().undoCount(), 4u);

    for (std::size_t i = states.size() - 1; i-- > 0;) {
        const std::size_t texts = window.statusTexts.size();
        ANNULLA(window, list);
        EXPECT_EQ(joinEntries(list), states[i].bytes) << "undo to state " << i;
        EXPECT_EQ(window.list.selectedPositions(), states[i].selected) << "undo to state " << i;
        EXPECT_EQ(window.list.focus, states[i].current) << "undo to state " << i;
        EXPECT_EQ(window.statusTexts.size(), texts + 1);
        EXPECT_EQ(window.statusTexts.back(), BLKINFO(list));
        expectListInStep();
    }
    EXPECT_FALSE(CAMBIATO(list));
    ANNULLA(window, list);  // nothing left: silent, nothing moves
    EXPECT_EQ(joinEntries(list), original);

    for (std::size_t i = 1; i < states.size(); ++i) {
        RIPETI(window, list);
        EXPECT_EQ(joinEntries(list), states[i].bytes) << "redo to state " << i;
        expectListInStep();
    }
    // Redo leaves the rows as the edit left them: the renamed entry alone.
    EXPECT_EQ(window.list.selectedPositions(), Rows{1});
    EXPECT_TRUE(fake.messages.size() == 1);
}

TEST_F(EditCommands, SaveKeepsTheHistoryAndUndoingBackToTheSavedBytesIsNoChange)
{
    open("main.tap", tapeOf({1, 2, 3}), {2}, 2);
    SPOSTAGIU(window, list);
    SALVA(window, list, false);
    EXPECT_FALSE(CAMBIATO(list));
    ANNULLA(window, list);
    EXPECT_TRUE(CAMBIATO(list));
    EXPECT_EQ(tags(), (Tags{1, 2, 3}));
    RIPETI(window, list);
    EXPECT_FALSE(CAMBIATO(list));
    EXPECT_EQ(read(path("main.tap")), joinEntries(list));

    // Open replaces the list, and its history with it.
    fake.openAnswers = {write("other.tap", tapeOf({5, 6}))};
    APRI(window, list);
    EXPECT_FALSE(list.history().canUndo());
    ANNULLA(window, list);
    EXPECT_EQ(tags(), (Tags{5, 6}));
}

using HexEditorUndo = HexEditor;

TEST_F(HexEditorUndo, TheHexEditorsReplacementIsTakenBack)
{
    open("main.tap", tapeOf({1, 2}), {2}, 2);
    configure("[Edit]\nHex editor=hexed\n");
    editWith([](std::string& bytes) { bytes = lone(9); });
    MODHEX(window, list);
    ASSERT_EQ(tags(), (Tags{1, 9}));
    ANNULLA(window, list);
    EXPECT_EQ(tags(), (Tags{1, 2}));
    expectListInStep();
}

// --- Copy, cut and paste ----------------------------------------------------------------------

TEST_F(EditCommands, CopyCutAndPasteCarryTheEntriesExactBytes)
{
    open("main.tap", tapeOf({1, 2, 3, 4, 5}), {2, 4}, 4);
    COPIA(window, list);
    ASSERT_EQ(fake.clipboard.size(), 1u);
    EXPECT_EQ(fake.clipboard.at("application/x-spectrum-tap"), lone(2) + lone(4));
    EXPECT_EQ(tags(), (Tags{1, 2, 3, 4, 5}));

    // Paste goes before the current row and selects what it put there.
    window.list.setState(list.lines(), {1}, 1);
    INCOLLA(window, list);
    EXPECT_EQ(tags(), (Tags{2, 4, 1, 2, 3, 4, 5}));
    EXPECT_EQ(window.list.selectedPositions(), (Rows{1, 2}));
    EXPECT_EQ(window.list.focus, 1);
    EXPECT_EQ(window.statusTexts.back(), BLKINFO(list));

    // Cut: the rows go to the clipboard and out of the list, without a question.
    window.list.setState(list.lines(), {6, 7}, 6);
    TAGLIA(window, list);
    EXPECT_EQ(fake.clipboard.at("application/x-spectrum-tap"), lone(4) + lone(5));
    EXPECT_EQ(tags(), (Tags{2, 4, 1, 2, 3}));
    EXPECT_EQ(window.list.selectedPositions(), Rows{5});
    EXPECT_TRUE(fake.messages.empty());
    expectListInStep();

    ANNULLA(window, list);
    EXPECT_EQ(tags(), (Tags{2, 4, 1, 2, 3, 4, 5}));
    ANNULLA(window, list);
    EXPECT_EQ(tags(), (Tags{1, 2, 3, 4, 5}));
}

TEST_F(EditCommands, PasteIntoAnEmptyListOrOfAnythingElse)
{
    open("main.tap", "");
    // A header entry and a block cut short: split as a file of these bytes would be.
    const std::string bytes = header(3, "code", 2) + data("xy") + std::string("\x09\x00\xFF", 3);
    fake.clipboard = {{"text/plain", "entry"}};
    INCOLLA(window, list);
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(list.history().canUndo());

    fake.clipboard = {{"application/x-spectrum-tap", bytes}};
    INCOLLA(window, list);
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(joinEntries(list), bytes);
    EXPECT_EQ(window.list.selectedPositions(), (Rows{1, 2}));
    expectListInStep();

    // Nothing selected: copy and cut leave the clipboard and the list alone.
    window.list.setState(list.lines(), {}, 1);
    COPIA(window, list);
    TAGLIA(window, list);
    EXPECT_EQ(fake.clipboard.at("application/x-spectrum-tap"), bytes);
    EXPECT_EQ(list.count(), 2u);
}

// --- Drag and drop ----------------------------------------------------------------------------

TEST_F(EditCommands, DraggedRowsMoveAsOneRunAndComeBackAsOneStep)
{
    open("main.tap", tapeOf({1, 2, 3, 4, 5, 6}), {1, 3, 4}, 3);
    TRASCINA(window, list, 6);  // before entry 6
    EXPECT_EQ(tags(), (Tags{2, 5, 1, 3, 4, 6}));
    EXPECT_EQ(window.list.selectedPositions(), (Rows{3, 4, 5}));
    EXPECT_EQ(window.list.focus, 3);
    expectListInStep();

    ANNULLA(window, list);
    EXPECT_EQ(tags(), (Tags{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(window.list.selectedPositions(), (Rows{1, 3, 4}));
    EXPECT_EQ(window.list.focus, 3);

    // Below the last row; then a drop inside the run itself, which moves nothing.
    TRASCINA(window, list, 7);
    EXPECT_EQ(tags(), (Tags{2, 5, 6, 1, 3, 4}));
    TRASCINA(window, list, 5);
    EXPECT_EQ(tags(), (Tags{2, 5, 6, 1, 3, 4}));
    EXPECT_EQ(list.history().undoCount(), 1u);
}

TEST_F(EditCommands, DroppedFilesGoInTogetherAndAFileThatCannotBeReadAddsNothing)
{
    open("main.tap", tapeOf({1, 2, 3}), {1}, 1);
    const std::vector<std::string> files = {write("a.tap", tapeOf({7, 8})), path("gone.tap"),
                                            unreadable("locked.tap"), write("b.tap", tapeOf({9}))};
    RILASCIA(window, list, files, 2);

    EXPECT_EQ(tags(), (Tags{1, 7, 8, 9, 2, 3}));
    EXPECT_EQ(window.list.selectedPositions(), (Rows{2, 3, 4}));
    EXPECT_EQ(window.list.focus, 2);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "File\r\n\r\n" + path("gone.tap") + "\r\n\r\nnot found.");
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(window.statusTexts.back(), BLKINFO(list));
    expectListInStep();

    // Below the last row; then one undo takes a whole drop back.
    RILASCIA(window, list, {files[3], files[0]}, 99);
    EXPECT_EQ(tags(), (Tags{1, 7, 8, 9, 2, 3, 9, 7, 8}));
    ANNULLA(window, list);
    ANNULLA(window, list);
    EXPECT_EQ(tags(), (Tags{1, 2, 3}));

    // Nothing readable: no change and no step.
    RILASCIA(window, list, {path("gone.tap")}, 1);
    EXPECT_FALSE(list.history().canUndo());
}

}  // namespace
}  // namespace murax::testing
