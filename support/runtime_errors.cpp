// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/runtime_errors.h"

#include <cstring>
#include <utility>

namespace murax {
namespace {
ErrorHandler& installedHandler()
{
    static ErrorHandler handler;
    return handler;
}
}  // namespace

ErrorHandler installErrorHandler(ErrorHandler handler)
{
    return std::exchange(installedHandler(), std::move(handler));
}

ErrorResult raiseError(const ErrorRecord& record)
{
    if (!installedHandler())
        throw CommandAbandoned{};
    return installedHandler()(record);
}

void stampLocation(ErrorRecord& record, const std::source_location& where)
{
    record.function = bareFunctionName(where.function_name());
    record.line = where.line();
}

std::string bareFunctionName(const char* prettyName)
{
    std::string name = prettyName ? prettyName : "";
    // Drop the parameter list, then the return type and the qualifying scopes.
    if (const auto paren = name.find('('); paren != std::string::npos)
        name.erase(paren);
    if (const auto space = name.rfind(' '); space != std::string::npos)
        name.erase(0, space + 1);
    if (const auto scope = name.rfind("::"); scope != std::string::npos)
        name.erase(0, scope + 2);
    return name;
}

}  // namespace murax
