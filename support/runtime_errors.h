// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <source_location>
#include <string>

#include "support/error_record.h"

namespace murax {

// The quiet defaults a handler may let a failing operation continue with.
enum class ErrorResult { Zero, False };

// Thrown when the handler abandons the running command after telling the user. It is not a
// std::exception on purpose: nothing but the command dispatch point should catch it.
struct CommandAbandoned {};

using ErrorHandler = std::function<ErrorResult(const ErrorRecord&)>;

// Installs the one program-wide handler (replacing any earlier one); returns the previous one.
ErrorHandler installErrorHandler(ErrorHandler handler);

// Hands the record to the installed handler. Returns its quiet default, or throws
// CommandAbandoned when it abandons the command. Without a handler the command is abandoned.
ErrorResult raiseError(const ErrorRecord& record);

// Fills the record's function and line from a source location of the editor's own code.
void stampLocation(ErrorRecord& record, const std::source_location& where);

// The bare function name of a compiler's pretty function name: "void murax::ABLOCKS(...)" gives
// "ABLOCKS".
std::string bareFunctionName(const char* prettyName);

}  // namespace murax
