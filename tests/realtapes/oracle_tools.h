// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax::testing {

// True where CI runs (the CI variable set, and not to "0" or "false"). CI installs every oracle
// tool, so there a missing one is a broken set-up that a skip would pass off as green.
bool oracleToolsRequired();

// What a test says when `tool` is missing.
std::string missingToolMessage(const std::string& tool);

}  // namespace murax::testing

// Leaves the current GoogleTest test, or its SetUp, for want of an oracle tool: a failure under
// CI, a skip elsewhere. A fatal failure in SetUp keeps the test body from running, as a skip does.
#define MURAX_MISSING_TOOL(tool)                                    \
    do {                                                            \
        if (::murax::testing::oracleToolsRequired())                \
            FAIL() << ::murax::testing::missingToolMessage(tool);   \
        GTEST_SKIP() << ::murax::testing::missingToolMessage(tool); \
    } while (false)

// The same for a Qt Test function.
#define MURAX_QT_MISSING_TOOL(tool)                                              \
    do {                                                                         \
        const std::string message_ = ::murax::testing::missingToolMessage(tool); \
        if (::murax::testing::oracleToolsRequired())                             \
            QFAIL(message_.c_str());                                             \
        QSKIP(message_.c_str());                                                 \
    } while (false)
