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

// A scratch file's path appended to the hex editor's command comes back as one word, whatever
// folder it is in; a bare name stays as it was.
TEST(CommandLineWord, APathComesBackAsOneWord)
{
    const std::string paths[] = {
        "\x7F"
        "202403154512307",
        "/tmp/\x7F"
        "1/\x7F"
        "2",
        "C:\\Users\\Jane Doe\\AppData\\Local\\Temp\\\x7F"
        "1\\\x7F"
        "2",
        "/home/a\tb/x",
        "/odd\"name/x",
        "/odd \"name\"/x y",
    };
    for (const std::string& path : paths) {
        const std::string line = "hexed --flag " + commandLineWord(path);
        EXPECT_EQ(splitCommandLine(line), (Words{"hexed", "--flag", path})) << line;
    }
    EXPECT_EQ(commandLineWord(paths[0]), paths[0]);
}

}  // namespace
}  // namespace murax
