// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/open_commands.h"

#include <filesystem>

#include "seam/desktop_services.h"
#include "seam/message_box.h"
#include "support/native_path.h"
#include "support/runtime_errors.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/save_commands.h"
#include "tape/commands/tape_file_lookup.h"
#include "tape/model/block_info.h"
#include "tape/model/change_detection.h"
#include "tape/model/tape_loading.h"

namespace murax {
namespace {

constexpr const char* kOpenTitle = "Select a TAP file to open";

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return a == b || std::filesystem::equivalent(nativePath(a), nativePath(b), ec);
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

}  // namespace

bool startupLoad(AppContext& app, const std::string* argument, BlockList& list)
{
    std::string chosen = argument ? *argument : std::string();
    if (isBlank(chosen))
        chosen = app.desktop().openFileDialog(kOpenTitle);
    if (chosen.empty())
        return false;
    const auto name = findTapeFile(app, chosen);
    if (!name)
        return false;
    BlockList loaded;
    try {
        ABLOCKS(*name, loaded);
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
    const std::string chosen = window.app().desktop().openFileDialog(kOpenTitle);
    if (chosen.empty())
        return;
    const auto name = findTapeFile(window.app(), chosen);
    if (!name)
        return;

    // Read first, into a list of its own: an unreadable file stops here with nothing changed.
    BlockList loaded;
    ABLOCKS(*name, loaded);

    bool saved = false;
    if (!unsavedEditsSettled(window, list, saved))
        return;
    // Reopening the file that was just saved must show what is now on disk, not what it held
    // before the save.
    if (saved && sameFile(*name, list.currentFile))
        ABLOCKS(*name, loaded);

    list = std::move(loaded);
    list.currentFile = *name;
    reloadAndSelect(box, list.lines(), 1);
    window.setTitle(kWindowTitle);
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
}

}  // namespace murax
