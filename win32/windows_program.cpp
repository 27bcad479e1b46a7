// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_program.h"

#include <sstream>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "win32/parent_console.h"
#include "win32/program_arguments.h"
#include "win32/windows_desktop.h"
#include "win32/windows_window.h"
#include "window/information_options.h"
#include "window/program_run.h"

namespace murax {
namespace {

// The shell (Run, the mail link) and the imaging component want COM on the thread that calls
// them; the toolbar, tooltips and status bar want their window classes registered.
class SystemComponents {
public:
    SystemComponents() : com_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }
    ~SystemComponents()
    {
        if (com_)
            CoUninitialize();
    }
    SystemComponents(const SystemComponents&) = delete;
    SystemComponents& operator=(const SystemComponents&) = delete;

private:
    bool com_;
};

}  // namespace

int runWindowsProgram(std::vector<std::string> arguments)
{
    if (arguments.empty())
        arguments.emplace_back("murax.exe");
    std::vector<char*> argv = argumentPointers(arguments);
    int argc = static_cast<int>(arguments.size());
    std::ostringstream answer;
    if (const auto status = answerInformationOption(argc, argv.data(), answer)) {
        // Nowhere to write it is as good as a failed write.
        return writeToStartingConsole(answer.str()) ? *status : 1;
    }
    const std::string argument = argc > 1 ? std::string(argv[1]) : std::string();

    const SystemComponents components;
    WindowsDesktop desktop;
    AppContext app(desktop);
    return runEditor(app, argc > 1 ? &argument : nullptr,
                     [&app](BlockList& list) { runWindowsWindow(app, list); });
}

}  // namespace murax
