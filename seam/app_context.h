// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

class Desktop;

// What a run of the program holds besides the open tape: the desktop it talks to, the state of
// its temporary names and whether a command is under way. The program makes one at start and hands
// it to its window, and through the window to every command; a test makes a fresh one with its
// fake desktop, so nothing carries over from the test before. Nothing finds a context on its own:
// the runtime-error handler is given one when it is installed (ERRORSYS), and everything else is
// handed one.
class AppContext {
public:
    explicit AppContext(Desktop& desktop) : desktop_(desktop) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Desktop& desktop() const { return desktop_; }

    // The location prefix of temporary files; empty, so they land in the current directory when
    // it can take them (the hex editor's scratch file goes to the TEMP folder otherwise).
    std::string ACS_TEMP;

    // True while a command started through dispatchCommand runs.
    bool commandRunning() const { return commandRunning_; }
    void setCommandRunning(bool running) { commandRunning_ = running; }

private:
    Desktop& desktop_;
    bool commandRunning_ = false;
};

}  // namespace murax
