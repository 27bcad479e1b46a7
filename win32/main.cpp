// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "win32/program_arguments.h"
#include "win32/windows_program.h"

// The arguments come from the UTF-16 command line, not the ANSI one the C runtime would hand to
// main(): a tape named outside the ANSI code page would arrive with question marks.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return murax::runWindowsProgram(murax::programArguments(GetCommandLineW()));
}
