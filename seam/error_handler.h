// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "support/error_messages.h"
#include "support/error_record.h"
#include "support/runtime_errors.h"

namespace murax {

// How a runtime error travels. The handler is process-wide, not part of the AppContext: a
// failure can happen anywhere, even where no command or window is at hand. It speaks through the
// desktop of the context it was installed with.
//
//   1. Record. The failing routine fills an ErrorRecord (file_error.h, os_error.h do so for the
//      file layer) and calls raiseError (runtime_errors.h), which hands it to the installed
//      handler: DEFERROR on the program's context, once ERRORSYS has run.
//   2. DEFERROR answers it in one of three ways:
//      - a quiet default: raiseError returns Zero or False and the routine goes on with it;
//      - a short message (hasShortMessage): the box is shown, then CommandAbandoned is thrown. It
//        unwinds the command and is caught at the dispatch point (command_dispatch.h:
//        dispatchCommand, or runReportingErrors for the start-up load and the exit question);
//        the program goes on. The few places that must act on a failure (the exit question's
//        recovery file, the start-up load) catch it themselves first;
//      - the full report: the recovery hook saves unsaved edits, the report is shown and the
//        program ends through the terminator, without unwinding anything.
//   3. Anything else a command throws (std::bad_alloc, a std::exception) is caught at the same
//      dispatch point and turned into a record for DEFERROR, as if it had been raised.

class AppContext;

// Installs DEFERROR on `app` as the program-wide handler of runtime errors; called once at start.
// The context must outlive the handler's installation.
void ERRORSYS(AppContext& app);  // installs the handler

// Answers one runtime error: a quiet default (division by zero gives Zero; an open that met a
// sharing violation, or an append lock that failed, where the operation may give up, gives False
// and sets the network-error flag); or a short message, after which the running command is
// abandoned (throws CommandAbandoned); or, for anything else, the full report with the offer to
// send it by e-mail, after which the program ends. While it runs it is not entered again: a
// record raised meanwhile gets its quiet default where it has one; raised by the recovery hook it
// abandons the hook; any other ends the program at once (edits recovered first).
ErrorResult DEFERROR(AppContext& app, const ErrorRecord& record);  // the handler

// Set when an operation was let go with its default after a sharing or lock failure.
bool networkErrorFlag();
void resetNetworkErrorFlag();

// The running executable's full path, named in the e-mail report. Until it is set, the path the
// system gives for the running process.
void setExecutablePath(const std::string& path);
std::string executablePath();

// How the program ends after the report (exit status 0). The default flushes the standard streams
// and ends the process at once, running no further code of the program: the report is for a state
// that is not to be trusted. An empty function restores the default.
void setProgramTerminator(std::function<void(int)> terminator);

// Called before the program ends on an error: saves unsaved edits (see writeRecoveryFile) and
// returns the recovery file's full path, or "" when nothing needed saving or it failed. An empty
// function removes it.
void setRecoveryHook(std::function<std::string()> hook);

// After the save at exit failed and the edits went to a recovery file: a box of kind 1 with the
// recovery notice. Shows nothing when `recoveryFile` is empty.
void tellRecoveredAfterFailedSave(AppContext& app, const std::string& recoveryFile);

}  // namespace murax
