// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include <QApplication>
#include <QFile>

#include "app/main_window.h"
#include "app/program_fonts.h"
#include "app/program_icon.h"
#include "app/qt_desktop.h"
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

}  // namespace

void MAIN(AppContext& app, const std::string* argument)
{
    BlockList list;
    RecoveryOfUnsavedEdits recovery(list);
    // An unreadable file has already been reported by the handler; startupLoad then says no.
    // Errors of the load and of the exit question reach the handler like those of any command.
    bool loaded = false;
    runReportingErrors([&] { loaded = startupLoad(app, argument, list); });
    if (!loaded)
        return;
    {
        MainWindow window(app, list);
        window.exec();
    }
    runReportingErrors([&] { exitQuestion(app, list); });
}

int runProgram(char* programPath, const std::string* argument)
{
    // QApplication keeps argc and argv for its whole life.
    int qtArgc = 1;
    char* qtArgv[] = {programPath, nullptr};
    QApplication application(qtArgc, qtArgv);
    // The program never runs the application's own event loop: its window is a modal dialog, and
    // the exit question comes after that window has gone. Closing the last window must therefore
    // not post a quit, which would end the next modal loop (the main window after the open
    // dialog) the moment it starts.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    installProgramIcon();

    QtDesktop qtDesktop;
    AppContext app(qtDesktop);
    setExecutablePath(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
    ERRORSYS(app);
    startupCleanup();

    MAIN(app, argument);

    exitCleanup();
    // The handler speaks through this run's context, which ends here.
    installErrorHandler(nullptr);
    return 0;
}

}  // namespace murax
