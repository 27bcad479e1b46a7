// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>

#include "qt/program.h"
#include "window/information_options.h"

int main(int argc, char* argv[])
{
    if (const auto status = murax::answerInformationOption(argc, argv, std::cout))
        return *status;
    // Qt sees none of the user's arguments: "-reverse" would mirror the window, and a tape named
    // like one of Qt's options would be taken away. The first argument is the tape; the rest are
    // ignored.
    const std::string argument = argc > 1 ? std::string(argv[1]) : std::string();
    return murax::runProgram(argv[0], argc > 1 ? &argument : nullptr);
}
