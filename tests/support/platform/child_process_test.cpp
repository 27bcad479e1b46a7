// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/child_process.h"

#include <gtest/gtest.h>

namespace murax {
namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup)
{
    EXPECT_EQ(splitCommandLine("hexed  -x\tfile"), (Words{"hexed", "-x", "file"}));
    EXPECT_EQ(splitCommandLine("\"/opt/hex ed/run\" \"a b\"c"), (Words{"/opt/hex ed/run", "a bc"}));
    EXPECT_EQ(splitCommandLine("say \"\"\"quoted\"\"\""), (Words{"say", "\"quoted\""}));
    EXPECT_EQ(splitCommandLine("$HOME; x"), (Words{"$HOME;", "x"}));
    EXPECT_EQ(splitCommandLine("  "), Words{});
    EXPECT_EQ(splitCommandLine("\xE9\xFF/ed \x7F"
                               "1"),
              (Words{"\xE9\xFF/ed",
                     "\x7F"
                     "1"}));
}

}  // namespace
}  // namespace murax
