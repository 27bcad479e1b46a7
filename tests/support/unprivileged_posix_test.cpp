// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The permission tests' way of running a part as another user must work wherever the checkout
// lies: root's home, where a newcomer clones the project, is a folder no one else may enter.

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/unprivileged.h"

namespace murax::testing {
namespace {

namespace fs = std::filesystem;

TEST(Unprivileged, APartRunsAsAnotherUserFromAFolderThatUserCannotEnter)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run a part as another user";
    // A checkout in a private home, the tests started there, with TMPDIR pointing into it too.
    ScratchFolder outer;
    const fs::path home = outer.path() / "home";
    fs::create_directory(home);
    fs::permissions(home, fs::perms::owner_all);
    CurrentDirectory inHome(home);
    EnvironmentVariable tmpdir("TMPDIR", home.string());

    ScratchFolder scratch(kSharedTempFolder);
    ASSERT_TRUE(handToUnprivileged(scratch.path().string()));
    const auto report = runUnprivileged([&]() -> std::string {
        {
            CurrentDirectory inScratch(scratch.path());
            writeText("made-here", "x");
        }
        return readText(scratch.path() / "made-here") == "x" ? "" : "nothing written";
    });
    if (!report)
        GTEST_SKIP() << "no unprivileged user to run the part as";
    EXPECT_EQ(*report, "");
}

}  // namespace
}  // namespace murax::testing
