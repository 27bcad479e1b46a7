// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/command_dispatch.h"

#include <exception>
#include <new>

#include "seam/desktop_services.h"
#include "support/runtime_errors.h"

namespace murax {
namespace {

class RunningFlag {
public:
    explicit RunningFlag(AppContext& app) : app_(app) { app_.setCommandRunning(true); }
    ~RunningFlag() { app_.setCommandRunning(false); }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    AppContext& app_;
};

ErrorRecord recordForEscapedException(const char* what, int gencode,
                                      const std::source_location& where)
{
    ErrorRecord record;
    stampLocation(record, where);
    record.GENCODE = gencode;
    record.SUBSYSTEM = "BASE";
    record.DESCRIPTION = what ? what : "Unexpected error";
    record.OPERATION = "command";
    return record;
}

// An exception that escaped a command becomes a record for the handler; if the handler abandons
// it, the command simply stops here.
void reportEscaped(const ErrorRecord& record)
{
    try {
        raiseError(record);
    } catch (const CommandAbandoned&) {
    }
}

}  // namespace

bool dispatchCommand(AppContext& app, const std::function<void()>& command,
                     std::source_location where)
{
    if (refusedWhileACommandRuns(app))
        return false;
    RunningFlag flag(app);
    runReportingErrors(command, where);
    return true;
}

bool refusedWhileACommandRuns(AppContext& app)
{
    if (!app.commandRunning())
        return false;
    // Refused, but not in silence: the user pressed something and nothing happens.
    app.desktop().beep();
    return true;
}

void runReportingErrors(const std::function<void()>& work, std::source_location where)
{
    try {
        work();
    } catch (const CommandAbandoned&) {
        // The handler has told the user; the command has unwound and comes to rest here.
    } catch (const std::bad_alloc&) {
        reportEscaped(recordForEscapedException("Memoria insufficiente", gencode::Memory, where));
    } catch (const std::exception& e) {
        reportEscaped(recordForEscapedException(e.what(), 0, where));
    } catch (...) {
        reportEscaped(recordForEscapedException(nullptr, 0, where));
    }
}

}  // namespace murax
