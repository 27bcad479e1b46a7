// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/child_process.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/helpers/scratch_folder.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

TEST(RunAndWaitFor, ExitCodesSignalsAndProgramsThatCannotStart)
{
    int polls = 0;
    const auto count = [&polls] { ++polls; };
    EXPECT_EQ(runAndWaitFor("sh -c \"sleep 0.05; exit 3\"", 2, count), 3);
    EXPECT_GT(polls, 0);
    EXPECT_EQ(runAndWaitFor("sh -c \"kill -9 $$\"", 2, {}), 128 + 9);
    EXPECT_EQ(runAndWaitFor("/nonexistent/hex-editor file", 2, {}), std::nullopt);
    EXPECT_EQ(runAndWaitFor("  ", 2, {}), std::nullopt);
}

TEST(RunAndWaitFor, AProgramPathThatIsNotTextStillRuns)
{
    testing::ScratchFolder scratch;
    const fs::path program = scratch.path() /
                             "h\xE9x\xFF"
                             "ed";
    testing::writeText(program, "#!/bin/sh\nprintf %s \"$1\" > \"$2\"\n");
    fs::permissions(program, fs::perms::owner_all);
    const std::string out = scratch / "out";
    EXPECT_EQ(runAndWaitFor(program.string() +
                                " \x7F"
                                "2026 " +
                                out,
                            2, {}),
              0);
    EXPECT_EQ(testing::readText(out),
              "\x7F"
              "2026");
}

}  // namespace
}  // namespace murax
