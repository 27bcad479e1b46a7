// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/open_commands.h"

#include "seam/desktop_services.h"
#include "seam/message_box.h"
#include "support/paths.h"
#include "support/runtime_errors.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/edit_refusal.h"
#include "tape/commands/save_commands.h"
#include "tape/commands/tape_file_lookup.h"
#include "tape/commands/tape_file_reading.h"
#include "tape/model/block_info.h"
#include "tape/model/change_detection.h"
#include "tape/model/entry_intake.h"

namespace murax {
namespace {

constexpr const char* kOpenTitle = "Select a TAP file to open";

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

// Offers to save unsaved edits before they are replaced. False when the user cancels; a failed
// save is abandoned by the error handler and so never gets past this point either.
bool unsavedEditsSettled(Window& window, BlockList& list, bool& saved)
{
    saved = false;
    if (!CAMBIATO(list))
        return true;
    switch (POPMSG(window.app(), "TAP has been changed. Save it?", MessageKind::AskOrCancel)) {
    case Desktop::Yes:
        SALVA(window, list, false);
        saved = true;
        return true;
    case Desktop::No:
        return true;
    default:
        return false;
    }
}

// Reads the file and splits it into a list of its own. When it is a TZX tape or a sound
// recording, or the memory for
// its entries cannot be had, the user is told and the result is false.
bool loadWithinMemory(AppContext& app, const std::string& name, BlockList& loaded)
{
    EntryIntake intake;
    bool taken = false;
    const bool done = changeUnlessRefused(
        app,
        [&] {
            taken = takeTapeFile(app, intake, name, nullptr);
            if (taken)
                loaded = intake.split(app.desktop().memoryHeadroom());
        },
        &intake);
    return done && taken;
}

}  // namespace

bool startupLoad(AppContext& app, const std::string* argument, BlockList& list)
{
    std::string chosen = argument ? *argument : std::string();
    if (isBlank(chosen))
        chosen = app.desktop().openFileDialog(kOpenTitle, kTapFileFilters);
    if (chosen.empty())
        return false;
    const auto name = findTapeFile(app, chosen);
    if (!name)
        return false;
    BlockList loaded;
    try {
        if (!loadWithinMemory(app, *name, loaded))
            return false;
    } catch (const CommandAbandoned&) {
        // The handler has told the user why; before the window exists there is nothing to go
        // back to.
        return false;
    }
    list = std::move(loaded);
    list.currentFile = *name;
    return true;
}

void APRI(Window& window, BlockList& list)
{
    ListBox& box = blockListBox(window);
    const std::string chosen = window.app().desktop().openFileDialog(kOpenTitle, kTapFileFilters);
    if (chosen.empty())
        return;
    const auto name = findTapeFile(window.app(), chosen);
    if (!name)
        return;

    // Read first, into a list of its own: an unreadable file, or a TZX tape, stops here with
    // nothing changed.
    BlockList loaded;
    if (!loadWithinMemory(window.app(), *name, loaded))
        return;

    bool saved = false;
    if (!unsavedEditsSettled(window, list, saved))
        return;
    // Reopening the file that was just saved must show what is now on disk, not what it held
    // before the save.
    if (saved && sameFile(*name, list.currentFile) &&
        !loadWithinMemory(window.app(), *name, loaded))
        return;

    list = std::move(loaded);
    list.currentFile = *name;
    reloadAndSelect(box, list.lines(), 1);
    window.setTitle(kWindowTitle);
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
}

}  // namespace murax
