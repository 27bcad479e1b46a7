// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

class Desktop;

// What a run of the program holds besides the open tape: the desktop it talks to, the state of
// its temporary names and whether a command is under way. The program makes one at start and hands
// it to its window, and through the window to every command; a test makes a fresh one with its
// fake desktop, so nothing carries over from the test before.
// A context is in force from its construction until its destruction (the one made before it is
// in force again then): the runtime-error handler and the message boxes, which failures anywhere
// must reach, find the desktop through the context in force.
class AppContext {
public:
    explicit AppContext(Desktop& desktop);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Desktop& desktop() const { return desktop_; }

    // The location prefix of temporary files; empty, so they land in the current directory.
    std::string ACS_TEMP;
    // A new temporary file's name: ACS_TEMP followed by a fresh GETNEWFNAME.
    std::string newTemporaryName() const;

    // True while a command started through dispatchCommand runs.
    bool commandRunning() const { return commandRunning_; }
    void setCommandRunning(bool running) { commandRunning_ = running; }

private:
    Desktop& desktop_;
    bool commandRunning_ = false;
    AppContext* previous_;
};

// The context in force; there must be one.
AppContext& appContext();

}  // namespace murax
