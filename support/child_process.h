#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace murax {

// A command line split into program and arguments without a shell: blanks separate, double
// quotes group (a blank inside them is kept), and three double quotes in a row stand for one
// literal quote. The words stay bytes: a program path that is not valid text still works.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// Starts `words` (the program is looked up in PATH when it names no folder) with the caller's
// standard streams, environment and current directory, and waits for it, calling `betweenPolls`
// every `pollMilliseconds` until it has ended. The exit code, 128 + the signal for a program that
// was killed, or nothing when the program could not be started.
std::optional<int> runAndWaitFor(const std::vector<std::string>& words, int pollMilliseconds,
                                 const std::function<void()>& betweenPolls);

}  // namespace murax
