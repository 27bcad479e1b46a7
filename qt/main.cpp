// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "qt/program.h"
#include "window/command_line.h"

int main(int argc, char* argv[])
{
    const murax::StartRequest request = murax::readCommandLine({argv, argv + argc}, std::cout);
    if (request.exitStatus)
        return *request.exitStatus;
    // Qt sees none of the user's arguments: "-reverse" would mirror the window, and a tape named
    // like one of Qt's options would be taken away.
    return murax::runProgram(argv[0], request.tape ? &*request.tape : nullptr);
}
