// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/realtapes/oracle_tools.h"

#include <cstdlib>

namespace murax::testing {

bool oracleToolsRequired()
{
    const char* ci = std::getenv("CI");
    if (ci == nullptr)
        return false;
    const std::string value = ci;
    return !value.empty() && value != "0" && value != "false";
}

std::string missingToolMessage(const std::string& tool)
{
    std::string message = tool + " is not installed";
    if (oracleToolsRequired())
        message += ", yet CI is set and tools/setup-deps.sh installs it";
    return message;
}

}  // namespace murax::testing
