// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/cleanup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include <fcntl.h>
#include <unistd.h>

#include "support/platform/file_descriptor_posix.h"
#include "support/platform/scratch_file.h"
#include "tests/support/helpers/child_part.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/unprivileged.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::CurrentDirectory;
using testing::EnvironmentVariable;
using testing::readText;
using testing::ScratchFolder;
using testing::writeText;

const std::string mark = "\x7F";

bool present(const fs::path& path)
{
    return fs::symlink_status(path).type() != fs::file_type::not_found;
}

// A scratch world: the current directory, a TEMP folder and a folder outside both that links
// point into.
class CleanupTest : public ::testing::Test {
protected:
    CleanupTest()
        : cwdPath(scratch.path() / "cwd"),
          tempPath(scratch.path() / "temp"),
          outside(scratch.path() / "outside")
    {
        fs::create_directories(cwdPath);
        fs::create_directories(tempPath);
        fs::create_directories(outside);
        writeText(outside / "precious.tap", "keep me");
        writeText(outside / "other.tap", "keep me too");
    }

    ScratchFolder scratch{testing::kSharedTempFolder};
    fs::path cwdPath, tempPath, outside;
};

TEST_F(CleanupTest, StartupDeletesMarkedFilesOfTheCurrentDirectoryOnly)
{
    writeText(cwdPath / (mark + "202403154512307"), "leftover");
    writeText(cwdPath / "game.tap", "mine");
    writeText(cwdPath / ("x" + mark), "marked, but not first");
    fs::create_directory(cwdPath / (mark + "folder"));
    writeText(cwdPath / (mark + "folder") / "inside", "stays");
    fs::create_symlink(outside / "precious.tap", cwdPath / (mark + "link"));
    fs::create_symlink(outside, cwdPath / (mark + "folderlink"));
    fs::create_symlink(outside / "gone", cwdPath / (mark + "dangling"));

    {
        EnvironmentVariable temp("TEMP", tempPath.string());
        CurrentDirectory cwd(cwdPath);
        startupCleanup();
    }

    EXPECT_FALSE(present(cwdPath / (mark + "202403154512307")));
    EXPECT_TRUE(present(cwdPath / "game.tap"));
    EXPECT_TRUE(present(cwdPath / ("x" + mark)));
    EXPECT_EQ(readText(cwdPath / (mark + "folder") / "inside"), "stays");
    // The link is removed as a link; what it pointed to is untouched.
    EXPECT_FALSE(present(cwdPath / (mark + "link")));
    EXPECT_EQ(readText(outside / "precious.tap"), "keep me");
    EXPECT_FALSE(present(cwdPath / (mark + "dangling")));
    // A link to a folder counts as a folder, which the clean-up leaves alone.
    EXPECT_TRUE(present(cwdPath / (mark + "folderlink")));
    EXPECT_EQ(readText(outside / "other.tap"), "keep me too");
}

TEST_F(CleanupTest, StartupEmptiesAndRemovesMarkedTempFolders)
{
    const fs::path done = tempPath / (mark + "1");
    fs::create_directory(done);
    writeText(done / "a.tap", "x");
    writeText(done / ".hidden", "x");
    fs::permissions(done / "a.tap", fs::perms::owner_read);       // read-only goes too
    fs::create_symlink(outside / "precious.tap", done / "link");  // removed as a link

    const fs::path nested = tempPath / (mark + "2");
    fs::create_directories(nested / "sub");
    writeText(nested / "b.tap", "x");
    writeText(nested / "sub" / "deep.tap", "not entered");

    writeText(tempPath / (mark + "plainfile"), "a file, not a folder");
    fs::create_directory(tempPath / "unmarked");
    writeText(tempPath / "unmarked" / "c.tap", "x");
    // A marked link to a folder outside is never entered.
    fs::create_symlink(outside, tempPath / (mark + "link"));

    {
        EnvironmentVariable temp("TEMP", tempPath.string());
        CurrentDirectory cwd(cwdPath);
        startupCleanup();
    }

    EXPECT_FALSE(present(done));
    EXPECT_FALSE(present(nested / "b.tap"));
    EXPECT_TRUE(present(nested / "sub" / "deep.tap"));
    EXPECT_TRUE(present(nested));  // not empty, so not removed
    EXPECT_TRUE(present(tempPath / (mark + "plainfile")));
    EXPECT_TRUE(present(tempPath / "unmarked" / "c.tap"));
    EXPECT_TRUE(present(tempPath / (mark + "link")));
    EXPECT_EQ(readText(outside / "precious.tap"), "keep me");
    EXPECT_EQ(readText(outside / "other.tap"), "keep me too");
}

TEST_F(CleanupTest, StartupLeavesOtherUsersTempFoldersAlone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make a folder that belongs to someone else";
    const fs::path theirs = tempPath / (mark + "theirs");
    fs::create_directory(theirs);
    writeText(theirs / "their.tap", "x");
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    // A folder of ours holding a file of theirs: emptying stops at that file.
    const fs::path mixed = tempPath / (mark + "mixed");
    fs::create_directory(mixed);
    writeText(mixed / "their.tap", "x");
    ASSERT_EQ(::chown((mixed / "their.tap").c_str(), 65534, 65534), 0);

    {
        EnvironmentVariable temp("TEMP", tempPath.string());
        CurrentDirectory cwd(cwdPath);
        startupCleanup();
    }

    EXPECT_TRUE(present(theirs / "their.tap"));
    EXPECT_TRUE(present(mixed / "their.tap"));
}

// In the current directory: another user's marked file, and a marked file that a running Murax
// holds locked (its hex-editor hand-off), stay; the user's own leftovers, and the half-written
// files of killed saves, go. Run as an unprivileged user, for whom the folder's permissions would
// allow deleting all of them.
TEST_F(CleanupTest, StartupInTheCurrentDirectoryLeavesOthersFilesAndBusyScratchFilesAlone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make a file that belongs to someone else";
    fs::permissions(cwdPath, fs::perms::all);
    writeText(cwdPath / (mark + "roots"), "another user's");
    ASSERT_TRUE(testing::handToUnprivileged(scratch.path().string()));
    ASSERT_TRUE(testing::handToUnprivileged(tempPath.string()));

    const std::optional<std::string> report = testing::runUnprivileged([&]() -> std::string {
        writeText(cwdPath / (mark + "busy"), "being edited");
        writeText(cwdPath / (mark + "old"), "left behind");
        writeText(cwdPath / ".murax-a1b2c3", "a killed save's");
        const int busy = ::open((cwdPath / (mark + "busy")).c_str(), O_RDONLY);
        if (busy < 0 || !tryLockExclusively(busy))
            return "could not hold the lock";
        {
            EnvironmentVariable temp("TEMP", tempPath.string());
            CurrentDirectory cwd(cwdPath);
            startupCleanup();
        }
        ::close(busy);
        std::set<std::string> left;
        for (const auto& item : fs::directory_iterator(cwdPath))
            left.insert(item.path().filename().string());
        std::string listed;
        for (const auto& name : left)
            listed += name + " ";
        return listed;
    });
    if (!report)
        GTEST_SKIP() << "no unprivileged user to run the clean-up as";
    EXPECT_EQ(*report, mark + "busy " + mark + "roots ");
}

// The hex editor's scratch file goes to a folder of its own in the TEMP folder when the current
// folder takes none: one whose run was killed goes at the next start, one that a running copy
// still has open to the hex editor stays.
TEST_F(CleanupTest, StartupRemovesKilledRunsScratchFoldersButNotOneInProgress)
{
    EnvironmentVariable temp("TEMP", tempPath.string());
    int count = 0;
    const auto names = [&count] { return mark + std::to_string(++count); };
    const ScratchPlace place{(cwdPath / "gone").string() + "/", tempPath.string()};

    const auto killed = testing::runChildPart([&] {
        // Never destroyed: the child ends as a killed run would, its lock released.
        const auto* left = new ScratchFile(names, "killed run's", place);
        return left->path();
    });
    ASSERT_TRUE(killed && !killed->died);
    ASSERT_TRUE(present(killed->report));
    count = 100;  // the child's names were taken in its own copy of the counter
    const ScratchFile inProgress(names, "being edited", place);

    {
        CurrentDirectory cwd(cwdPath);
        startupCleanup();
    }
    EXPECT_FALSE(present(fs::path(killed->report).parent_path()));
    EXPECT_EQ(readText(inProgress.path()), "being edited");
}

TEST_F(CleanupTest, TempFolderFallsBackToThePlatformsNeverTheRoot)
{
    EnvironmentVariable tmpdir("TMPDIR", tempPath.string());
    {
        EnvironmentVariable temp("TEMP", std::nullopt);
        EXPECT_EQ(tempFolder(), tempPath.string());
    }
    {
        EnvironmentVariable temp("TEMP", "");
        EXPECT_EQ(tempFolder(), tempPath.string());
    }
    {
        EnvironmentVariable temp("TEMP", outside.string());
        EXPECT_EQ(tempFolder(), outside.string());
    }
}

TEST_F(CleanupTest, StartupWithTempUnsetCleansThePlatformTempFolder)
{
    fs::create_directory(tempPath / (mark + "3"));
    writeText(tempPath / (mark + "3") / "x.tap", "x");
    {
        EnvironmentVariable tmpdir("TMPDIR", tempPath.string());
        EnvironmentVariable temp("TEMP", std::nullopt);
        CurrentDirectory cwd(cwdPath);
        startupCleanup();
    }
    EXPECT_FALSE(present(tempPath / (mark + "3")));
}

TEST_F(CleanupTest, ExitDeletesOnlyMarkedIndexFiles)
{
    const std::string removed[] = {mark + "VIEW1.NTX", mark + "view2.ntx", mark + "VIEW.NTX"};
    const std::string kept[] = {mark + "VIEW1.TXT", mark + "OTHER.NTX", "VIEW1.NTX",
                                mark + "20240315123", mark + "VIE.NTX"};
    for (const auto& name : removed)
        writeText(cwdPath / name, "x");
    for (const auto& name : kept)
        writeText(cwdPath / name, "x");
    fs::create_directory(cwdPath / (mark + "VIEWDIR.NTX"));
    {
        CurrentDirectory cwd(cwdPath);
        exitCleanup();
    }
    for (const auto& name : removed)
        EXPECT_FALSE(present(cwdPath / name)) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(present(cwdPath / name)) << name;
    EXPECT_TRUE(present(cwdPath / (mark + "VIEWDIR.NTX")));
}

}  // namespace
}  // namespace murax
