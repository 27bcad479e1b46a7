// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/child_process.h"

#include <gtest/gtest.h>

namespace murax {
namespace {

// The line goes to the system as it is; the program is its first token.
TEST(RunAndWaitFor, ExitCodesAndProgramsThatCannotStart)
{
    int polls = 0;
    EXPECT_EQ(runAndWaitFor("cmd.exe /c exit 3", 2, [&polls] { ++polls; }), 3);
    EXPECT_EQ(runAndWaitFor("C:\\nonexistent\\hexed.exe file", 2, {}), std::nullopt);
    EXPECT_EQ(runAndWaitFor("   ", 2, {}), std::nullopt);
}

}  // namespace
}  // namespace murax
