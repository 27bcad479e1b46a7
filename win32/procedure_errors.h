// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>

#include "seam/command_dispatch.h"

namespace murax {

// What a window procedure must never let through: the system cannot carry a C++ exception back
// through its own frames. One thrown by `handler` goes to the runtime-error handler as a record,
// as a command's does, and the procedure answers `fallback`.
template <class Handler, class Result>
Result handledReportingErrors(Handler&& handler, Result fallback)
{
    try {
        return handler();
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        runReportingErrors([error] { std::rethrow_exception(error); });
        return fallback;
    }
}

}  // namespace murax
