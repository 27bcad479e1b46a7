// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/program_run.h"

#include "seam/command_dispatch.h"
#include "seam/error_handler.h"
#include "support/platform/cleanup.h"
#include "support/platform/recovery_file.h"
#include "tape/commands/open_commands.h"
#include "tape/commands/save_commands.h"
#include "tape/model/change_detection.h"

namespace murax {
namespace {

// While MAIN holds a BlockList, a fatal error saves its unsaved edits before the program ends.
class RecoveryOfUnsavedEdits {
public:
    explicit RecoveryOfUnsavedEdits(const BlockList& list)
    {
        setRecoveryHook([&list]() -> std::string {
            if (list.currentFile.empty() || !CAMBIATO(list))
                return {};
            return writeRecoveryFile(list.currentFile, list.entries());
        });
    }
    ~RecoveryOfUnsavedEdits() { setRecoveryHook({}); }
    RecoveryOfUnsavedEdits(const RecoveryOfUnsavedEdits&) = delete;
    RecoveryOfUnsavedEdits& operator=(const RecoveryOfUnsavedEdits&) = delete;
};

// The handler installed on a run's context for as long as the run lasts.
class HandlerOfTheRun {
public:
    explicit HandlerOfTheRun(AppContext& app) { ERRORSYS(app); }
    ~HandlerOfTheRun() { installErrorHandler(nullptr); }
    HandlerOfTheRun(const HandlerOfTheRun&) = delete;
    HandlerOfTheRun& operator=(const HandlerOfTheRun&) = delete;
};

}  // namespace

void MAIN(AppContext& app, const std::string* argument, const WindowRun& runWindow)
{
    BlockList list;
    RecoveryOfUnsavedEdits recovery(list);
    // An unreadable file has already been reported by the handler; startupLoad then says no.
    bool loaded = false;
    runReportingErrors([&] { loaded = startupLoad(app, argument, list); });
    if (!loaded)
        return;
    runWindow(list);
    runReportingErrors([&] { exitQuestion(app, list); });
}

int runEditor(AppContext& app, const std::string* argument, const WindowRun& runWindow)
{
    const HandlerOfTheRun handler(app);
    startupCleanup();
    MAIN(app, argument, runWindow);
    exitCleanup();
    return 0;
}

}  // namespace murax
