#pragma once

#include <string>

namespace murax {

// The program's entry once the application and its services are set up: the start-up load of
// `argument` (the first command-line argument, nullptr when there is none; without one the open
// dialog asks), the main window run modally, then the exit question.
void MAIN(const std::string* argument);

// The whole run: the Qt application, fonts, icon, desktop, error handler and start-up clean-up,
// then MAIN, then the exit clean-up. Returns the process's exit status.
int runProgram(int& argc, char** argv);

}  // namespace murax
