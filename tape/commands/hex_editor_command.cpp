// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/hex_editor_command.h"

#include <utility>

#include "seam/desktop_services.h"
#include "seam/message_box.h"
#include "support/platform/child_process.h"
#include "support/platform/cleanup.h"
#include "support/platform/scratch_file.h"
#include "support/platform/temp_names.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/edit_refusal.h"
#include "tape/commands/hex_editor_setting.h"
#include "tape/commands/undo_step.h"
#include "tape/format/tap_decoding.h"

namespace murax {
namespace {

bool isBlankSetting(const std::string& value)
{
    return value.find_first_not_of(" \t\r\n") == std::string::npos;
}

constexpr int kShowNormal = 5;

}  // namespace

void MODHEX(Window& window, BlockList& list)
{
    AppContext& app = window.app();
    const std::string editor = configuredHexEditor(app.desktop());
    // The name is taken before anything else; its folder is chosen when the file is made.
    const std::string tempName = GETNEWFNAME();
    ListBox& box = blockListBox(window);
    const int n = box.currentPosition();

    if (isBlankSetting(editor)) {
        writeEmptyHexEditorSetting();
        POPMSG(app, "Missing Hex editor value in the Edit section of MURAX.INI file.",
               MessageKind::Inform);
        return;
    }
    if (n < 1 || static_cast<std::size_t>(n) > list.count())
        return;

    const std::size_t index = static_cast<std::size_t>(n) - 1;
    // The name made above is the first tried; one that is taken meanwhile gives way to the next.
    bool firstName = true;
    const ScratchFile scratch(
        [&] { return std::exchange(firstName, false) ? tempName : GETNEWFNAME(); },
        list.entries()[index], ScratchPlace{app.ACS_TEMP, tempFolder()});
    // A failed write was raised: the hex editor is not started on a file that does not hold the
    // entry.
    if (app.desktop().runAndWait(editor + " " + commandLineWord(scratch.path()), kShowNormal) ==
        Desktop::NotStarted) {
        // Silence here would leave the user wondering why nothing happened.
        POPMSG(app, "The hex editor command;;" + editor + ";;could not be started.",
               MessageKind::Inform);
        return;
    }
    ScratchContent content = scratch.readBack();
    if (content.found == ScratchContent::Found::Nothing) {
        // The user edited in vain: say what happened to the edits, not which file went missing.
        POPMSG(app,
               "The edited entry could not be read back:;"
               "the hex editor did not leave its file in place.;"
               "The entry is unchanged.",
               MessageKind::Inform);
        return;
    }
    if (content.found == ScratchContent::Found::NotAPlainFile) {
        POPMSG(app,
               "The hex editor's file was replaced by a link and was not read.;"
               "The entry is kept as it was.",
               MessageKind::Inform);
        return;
    }

    // An empty entry would show a length of -2 and vanish from the tape on its next load.
    if (content.bytes.empty() || index >= list.count())
        return;
    const DisplayLine line(BLKLINE(content.bytes));
    const UndoStep step(list, box);
    Placed placed;
    if (!changeUnlessRefused(app,
                             [&] { placed = list.replace(index, std::move(content.bytes), line); }))
        return;
    reloadAndSelect(box, list.lines(), static_cast<int>(placed(index)) + 1);
}

}  // namespace murax
