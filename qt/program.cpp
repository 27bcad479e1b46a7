// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/program.h"

#include <QApplication>

#include "qt/main_window.h"
#include "qt/program_fonts.h"
#include "qt/program_icon.h"
#include "qt/qt_desktop.h"
#include "window/program_run.h"

namespace murax {

void runMainWindow(AppContext& app, BlockList& list)
{
    MainWindow window(app, list);
    window.exec();
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
    return runEditor(app, argument, [&app](BlockList& list) { runMainWindow(app, list); });
}

}  // namespace murax
