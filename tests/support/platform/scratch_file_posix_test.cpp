// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/scratch_file.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "support/runtime_errors.h"
#include "tests/support/helpers/file_io_fixture.h"
#include "tests/support/helpers/unprivileged.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::readText;
using testing::writeText;

class ScratchFileTest : public testing::FileIoTest {
protected:
    void SetUp() override
    {
        FileIoTest::SetUp();
        writeText(scratch.path() / "victim", "another user's file");
    }

    // Hands out the given names in turn, then "last" for ever.
    std::function<std::string()> names(std::deque<std::string> list)
    {
        return [this, list]() mutable {
            if (list.empty())
                return scratch / "last";
            std::string next = scratch / list.front();
            list.pop_front();
            return next;
        };
    }
};

TEST_F(ScratchFileTest, TakenNamesAndPlantedLinksAreSteppedOver)
{
    fs::create_symlink(scratch.path() / "victim", scratch.path() / "trap");
    writeText(scratch.path() / "taken", "someone's");
    {
        ScratchFile file(names({"trap", "taken", "mine"}), "entry bytes\x1A");
        EXPECT_EQ(file.path(), scratch / "mine");
        EXPECT_EQ(readText(file.path()), "entry bytes\x1A");
        EXPECT_EQ(fs::status(file.path()).permissions() & fs::perms::all, fs::perms(0600));
        EXPECT_EQ(file.readBack().bytes, "entry bytes\x1A");
    }
    EXPECT_FALSE(fs::exists(scratch.path() / "mine"));
    EXPECT_EQ(readText(scratch.path() / "victim"), "another user's file");
    EXPECT_TRUE(fs::is_symlink(scratch.path() / "trap"));
    EXPECT_EQ(readText(scratch.path() / "taken"), "someone's");
    EXPECT_TRUE(raised.empty());
}

TEST_F(ScratchFileTest, WhatItDidNotMakeItNeverDeletes)
{
    // Every name taken: the failure is raised and the files under those names stay.
    writeText(scratch.path() / "last", "not ours");
    EXPECT_THROW(ScratchFile(names({}), "x"), CommandAbandoned);
    EXPECT_EQ(readText(scratch.path() / "last"), "not ours");

    EXPECT_THROW(ScratchFile(names({"gone/name"}), "x"), CommandAbandoned);
    ASSERT_EQ(raised.size(), 2u);
    EXPECT_EQ(raised[1].OSCODE, 3);
}

TEST_F(ScratchFileTest, ALinkPutInItsPlaceIsNotReadNorFollowedOnDeletion)
{
    {
        ScratchFile file(names({"mine"}), "entry");
        fs::remove(file.path());
        fs::create_symlink(scratch.path() / "victim", file.path());
        EXPECT_EQ(file.readBack().found, ScratchContent::Found::NotAPlainFile);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(scratch.path() / "mine")));
    EXPECT_EQ(readText(scratch.path() / "victim"), "another user's file");
}

// A user who may not write the current folder (an installed program's): the file goes to a
// folder of the user's own in the TEMP folder, which only that user may enter.
TEST(ScratchPlacePermissions, AFolderTheUserMayNotWriteGivesWayToTheTempFolder)
{
    testing::ScratchFolder shared(testing::kSharedTempFolder);
    const fs::path installed = shared.path() / "installed", temp = shared.path() / "temp";
    fs::create_directories(installed);
    fs::create_directories(temp);
    fs::permissions(installed, fs::perms(0555));
    ASSERT_TRUE(testing::handToUnprivileged(shared.path().string()));
    ASSERT_TRUE(testing::handToUnprivileged(temp.string()));

    const std::optional<std::string> report = testing::runUnprivileged([&]() -> std::string {
        int count = 0;
        const auto names = [&count] { return "\x7F" + std::to_string(++count); };
        const ScratchFile file(names, "entry", {installed.string() + "/", temp.string()});
        const fs::path own = file.ownFolder();
        if (own.parent_path() != temp || fs::path(file.path()).parent_path() != own)
            return "made at " + file.path();
        if ((fs::status(own).permissions() & fs::perms::all) != fs::perms::owner_all)
            return "its folder is open to others";
        return readText(file.path()) == "entry" ? "" : "other bytes";
    });
    if (!report)
        GTEST_SKIP() << "no unprivileged user to run as";
    EXPECT_EQ(*report, "");
    EXPECT_TRUE(fs::is_empty(installed));
    EXPECT_TRUE(fs::is_empty(temp));
}

}  // namespace
}  // namespace murax
