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
std::string chooseSaveAsTarget(Desktop& desktop)
{
    const std::string chosen = desktop.saveFileDialog("TAP file to save", {kTapeFilesFilter});
    if (chosen.empty())
        return {};
    std::string name = completeName(chosen);
    return agreesToOverwrite(name) ? name : std::string();
}

}  // namespace

bool agreesToOverwrite(const std::string& path)
{
    return !fileExists(path)
           || POPMSG("The existing file;;" + path + ";;will be overwritten.", MessageKind::Confirm);
}

void SALVA(Window* window, BlockList& list, bool saveAs)
{
    std::string target = list.currentFile;
    if (saveAs) {
        target = chooseSaveAsTarget(window ? window->app().desktop() : desktop());
        if (target.empty())
            return;
    }
    // A failure is raised and abandons the command here, before currentFile moves on: the status
    // bar keeps naming the file that really holds the data.
    writeFileReplacing(target, list.entries());
    list.currentFile = target;
    if (window) {
        window->setTitle(kWindowTitle);
        window->setStatusText(BLKINFO(list));
    }
}

void exitQuestion(BlockList& list)
{
    if (!CAMBIATO(list) || !POPMSG("TAP has been changed. Save it?", MessageKind::Ask))
        return;
    try {
        SALVA(nullptr, list, false);
    } catch (const CommandAbandoned&) {
        // The handler has told the user why the save failed; the window is gone, so this is the
        // last chance to keep the edits.
        const std::string recovered = writeRecoveryFile(list.currentFile, list.entries());
        if (!recovered.empty())
            tellRecoveredAfterFailedSave(recovered);
    }
}

}  // namespace murax
