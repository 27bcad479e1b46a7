// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/error_handler.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "seam/app_context.h"
#include "seam/desktop_services.h"
#include "seam/message_box.h"
#include "support/platform/running_executable.h"

namespace murax {
namespace {

struct HandlerState {
    bool networkError = false;
    std::string executablePath;
    std::function<void(int)> terminator;
    std::function<std::string()> recoveryHook;
    bool active = false;  // a record is being handled
    bool inRecoveryHook = false;
    bool recoveryAttempted = false;  // for the record being handled
};

HandlerState& state()
{
    static HandlerState instance;
    return instance;
}

class ActiveHandling {
public:
    ActiveHandling()
    {
        state().active = true;
        state().recoveryAttempted = false;
    }
    ~ActiveHandling() { state().active = false; }
    ActiveHandling(const ActiveHandling&) = delete;
    ActiveHandling& operator=(const ActiveHandling&) = delete;
};

// Rows 11 to 13: the quiet default, or nothing when none of them applies. Sets the flag.
std::optional<ErrorResult> quietDefault(const ErrorRecord& record)
{
    if (record.GENCODE == gencode::ZeroDivision)
        return ErrorResult::Zero;
    const bool sharingViolation = record.GENCODE == gencode::Open && record.OSCODE == 32;
    const bool lockFailure = record.GENCODE == gencode::AppendLock;
    if ((sharingViolation || lockFailure) && record.CANDEFAULT) {
        state().networkError = true;
        return ErrorResult::False;
    }
    return std::nullopt;
}

std::string runRecoveryHook()
{
    HandlerState& s = state();
    s.recoveryAttempted = true;
    if (!s.recoveryHook)
        return {};
    s.inRecoveryHook = true;
    std::string recovered;
    try {
        recovered = s.recoveryHook();
    } catch (...) {
        recovered.clear();
    }
    s.inRecoveryHook = false;
    return recovered;
}

[[noreturn]] void endProgram()
{
    if (state().terminator) {
        state().terminator(0);
    } else {
        // Static destructors and exit handlers would run inside whatever was failing (a window
        // library mid-event); the streams are all that needs finishing.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    // A terminator that returns must still not let the failed operation go on.
    throw CommandAbandoned{};
}

// The report text made fit for the body of a mailto: link.
std::string mailBody(const std::string& report)
{
    std::string body;
    for (const char c : report) {
        if (c == '&')
            body += "%26";
        else if (c == ';')
            body += "%0d%0a";
        else
            body += c;
    }
    return body;
}

[[noreturn]] void reportAndEnd(AppContext& app, const ErrorRecord& record)
{
    const std::string report = ERRORMESSAGE(record);
    const std::string recovered = runRecoveryHook();
    std::string question = report;
    if (!recovered.empty())
        question += ";" + recoveryNotice(recovered);
    question += ";;Inviare rapporto di errore via email?";
    if (POPMSG(app, question, MessageKind::Confirm)) {
        app.desktop().openWithDefaultProgram(
            "mailto:?subject=Rapporto di errore&body=Applicazione: " + executablePath() +
            "%0d%0a%0d%0a" + mailBody(report));
    }
    endProgram();
}

// A record that arrives while another one is being handled (raised by code the handler's own
// message box or recovery hook ran). Showing a second box from inside the first would stack
// modal loops on a failing program, and abandoning would unwind through the window library's
// event dispatch, which does not allow it.
ErrorResult answerNested(const ErrorRecord& record)
{
    if (!shortMessage(record)) {
        if (const auto quiet = quietDefault(record))
            return *quiet;
    }
    if (state().inRecoveryHook)
        throw CommandAbandoned{};  // caught around the hook: nothing was recovered
    if (!state().recoveryAttempted)
        runRecoveryHook();
    endProgram();
}

}  // namespace

void ERRORSYS(AppContext& app)
{
    installErrorHandler([&app](const ErrorRecord& record) { return DEFERROR(app, record); });
}

ErrorResult DEFERROR(AppContext& app, const ErrorRecord& record)
{
    if (state().active)
        return answerNested(record);
    ActiveHandling handling;
    if (const auto message = shortMessage(record)) {
        POPMSG(app, *message, MessageKind::Inform);
        throw CommandAbandoned{};
    }
    if (const auto quiet = quietDefault(record))
        return *quiet;
    reportAndEnd(app, record);
}

bool networkErrorFlag()
{
    return state().networkError;
}

void resetNetworkErrorFlag()
{
    state().networkError = false;
}

void setExecutablePath(const std::string& path)
{
    state().executablePath = path;
}

std::string executablePath()
{
    if (!state().executablePath.empty())
        return state().executablePath;
    return runningExecutablePath();
}

void setProgramTerminator(std::function<void(int)> terminator)
{
    state().terminator = std::move(terminator);
}

void setRecoveryHook(std::function<std::string()> hook)
{
    state().recoveryHook = std::move(hook);
}

void tellRecoveredAfterFailedSave(AppContext& app, const std::string& recoveryFile)
{
    if (!recoveryFile.empty())
        POPMSG(app, recoveryNotice(recoveryFile), MessageKind::Inform);
}

}  // namespace murax
