// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/save_commands.h"

#include "seam/desktop_services.h"
#include "seam/error_handler.h"
#include "seam/message_box.h"
#include "support/platform/file_io.h"
#include "support/platform/recovery_file.h"
#include "support/runtime_errors.h"
#include "tape/commands/file_saving.h"
#include "tape/commands/name_completion.h"
#include "tape/model/block_info.h"
#include "tape/model/change_detection.h"

namespace murax {
namespace {

// The Save As target: chosen, completed and, when it exists, agreed to be overwritten. Empty when
// the user backs out.
std::string chooseSaveAsTarget(AppContext& app)
{
    const std::string chosen = app.desktop().saveFileDialog("TAP file to save", {kTapeFilesFilter});
    if (chosen.empty())
        return {};
    std::string name = completeName(chosen);
    return agreesToOverwrite(app, name) ? name : std::string();
}

}  // namespace

bool agreesToOverwrite(AppContext& app, const std::string& path)
{
    return !fileExists(path) || POPMSG(app, "The existing file;;" + path + ";;will be overwritten.",
                                       MessageKind::Confirm);
}

void SALVA(Window& window, BlockList& list, bool saveAs)
{
    std::string target = list.currentFile;
    if (saveAs) {
        target = chooseSaveAsTarget(window.app());
        if (target.empty())
            return;
    }
    // A failure is raised and abandons the command here, before currentFile moves on: the status
    // bar keeps naming the file that really holds the data.
    writeFileReplacing(window.app(), target, list.entries());
    list.currentFile = target;
    window.setTitle(kWindowTitle);
    window.setStatusText(BLKINFO(list));
}

void exitQuestion(AppContext& app, BlockList& list)
{
    if (!CAMBIATO(list) || !POPMSG(app, "TAP has been changed. Save it?", MessageKind::Ask))
        return;
    try {
        writeFileReplacing(app, list.currentFile, list.entries());
    } catch (const CommandAbandoned&) {
        // The handler has told the user why the save failed; the window is gone, so this is the
        // last chance to keep the edits.
        const std::string recovered = writeRecoveryFile(list.currentFile, list.entries());
        if (!recovered.empty())
            tellRecoveredAfterFailedSave(app, recovered);
    }
}

}  // namespace murax
