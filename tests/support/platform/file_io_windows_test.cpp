// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The replacing write, the scratch file and the clean-up through the Windows calls.
#include <gtest/gtest.h>

#include <filesystem>

#include <windows.h>

#include "support/native_path.h"
#include "support/platform/cleanup.h"
#include "support/platform/file_io.h"
#include "support/platform/os_error.h"
#include "support/platform/replacing_write.h"
#include "support/platform/scratch_file.h"
#include "support/platform/wide_text_windows.h"
#include "support/runtime_errors.h"
#include "tape/commands/file_saving.h"
#include "tests/support/helpers/file_io_fixture.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::CurrentDirectory;
using testing::FileIoTest;
using testing::kTape;
using testing::readText;
using testing::writeText;

TEST_F(FileIoTest, AReadOnlyTapeIsRefusedAndKeepsItsBytes)
{
    const fs::path target = scratch.path() / "game.tap";
    writeText(target, "old");
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_THROW(writeFileReplacing(app, target.string(), {kTape}), CommandAbandoned);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].OSCODE, ERROR_ACCESS_DENIED);
    EXPECT_EQ(readText(target), "old");
    EXPECT_EQ(entriesIn(scratch.path()), 1u);
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileIoTest, ReplacingKeepsTheAttributesAndEveryName)
{
    const fs::path target = scratch.path() / "game.tap";
    writeText(target, "old");
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    writeFileReplacing(app, target.string(), {kTape.substr(0, 2), kTape.substr(2)});
    EXPECT_EQ(readText(target), kTape);
    EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);

    // A second name sees the new bytes: the tape was written in place.
    const fs::path alias = scratch.path() / "alias.tap";
    ASSERT_TRUE(CreateHardLinkW(alias.c_str(), target.c_str(), nullptr));
    testing::EnvironmentVariable data(testing::kDataFolderVariable,
                                      (scratch.path() / "data").string());
    writeFileReplacing(app, target.string(), {"new"});
    EXPECT_EQ(readText(alias), "new");
    EXPECT_TRUE(fs::is_empty(scratch.path() / "data" / "murax"));  // the safety copy went
    EXPECT_TRUE(raised.empty());
}

TEST_F(FileIoTest, SaveLeftoversGoUnlessAWriterStillHoldsThem)
{
    writeText(scratch.path() / ".murax-k1ll3d", "partial");
    writeText(scratch.path() / ".murax-l1v3ly", "being written");
    const HANDLE writer = CreateFileW((scratch.path() / ".murax-l1v3ly").c_str(), GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    writeFileReplacing(app, (scratch.path() / "game.tap").string(), {kTape});
    CloseHandle(writer);
    EXPECT_FALSE(fs::exists(scratch.path() / ".murax-k1ll3d"));
    EXPECT_TRUE(fs::exists(scratch.path() / ".murax-l1v3ly"));
    EXPECT_EQ(readText(scratch.path() / "game.tap"), kTape);
}

TEST_F(FileIoTest, ScratchFilesAreMadeNewAndOnlyOursAreDeleted)
{
    writeText(scratch.path() / "taken", "someone's");
    int calls = 0;
    const auto names = [&] {
        return (scratch.path() / (calls++ == 0 ? "taken" : "mine")).string();
    };
    {
        ScratchFile file(names, "entry\x1A");
        EXPECT_EQ(file.path(), (scratch.path() / "mine").string());
        EXPECT_EQ(file.readBack().bytes, "entry\x1A");
    }
    EXPECT_FALSE(fs::exists(scratch.path() / "mine"));
    EXPECT_EQ(readText(scratch.path() / "taken"), "someone's");

    const auto onlyTaken = [&] { return (scratch.path() / "taken").string(); };
    EXPECT_THROW(ScratchFile(onlyTaken, "x"), CommandAbandoned);
    EXPECT_EQ(readText(scratch.path() / "taken"), "someone's");
}

TEST_F(FileIoTest, StartupCleanupTakesMarkedFilesNotFoldersNorOthers)
{
    const fs::path work = scratch.path() / "work";
    fs::create_directories(work /
                           "\x7F"
                           "folder");
    writeText(work /
                  "\x7F"
                  "20240315",
              "leftover");
    writeText(work / "game.tap", "mine");
    writeText(work /
                  "\x7F"
                  "folder" /
                  "inside",
              "stays");
    {
        CurrentDirectory cwd(work);
        startupCleanup();
    }
    EXPECT_FALSE(fs::exists(work / "\x7F"
                                   "20240315"));
    EXPECT_TRUE(fs::exists(work / "game.tap"));
    EXPECT_TRUE(fs::exists(work /
                           "\x7F"
                           "folder" /
                           "inside"));
}

TEST(OsError, WindowsErrorsAreTheHandlersCodesAlready)
{
    EXPECT_EQ(osCodeOf(ERROR_FILE_NOT_FOUND, "x"), 2);
    EXPECT_EQ(osCodeOf(ERROR_PATH_NOT_FOUND, "x"), 3);
    EXPECT_EQ(osCodeOf(ERROR_ACCESS_DENIED, "x"), 5);
    EXPECT_EQ(osCodeOf(ERROR_WRITE_PROTECT, "x"), 19);
    EXPECT_EQ(osCodeOf(ERROR_NOT_READY, "x"), 21);
    EXPECT_EQ(osCodeOf(ERROR_SHARING_VIOLATION, "x"), 32);
    EXPECT_EQ(osCodeOf(ERROR_FILENAME_EXCED_RANGE, "x"), 3);
    EXPECT_TRUE(isDiskFull(ERROR_DISK_FULL));
    EXPECT_TRUE(isDiskFull(ERROR_HANDLE_DISK_FULL));
    EXPECT_FALSE(isDiskFull(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(isMissingFile(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(systemErrorText(ERROR_ACCESS_DENIED).empty());
}

TEST_F(FileIoTest, AnyNameWorksThroughUtf8Paths)
{
    const std::string name = "\xC3\xA8 \xE2\x82\xAC \xF0\x9F\x98\x80.tap";  // e grave, euro, emoji
    EXPECT_EQ(utf8Text(wideText(name)), name);
    const std::string path = pathText(scratch.path()) + "\\" + name;
    writeFileReplacing(app, path, {kTape});
    EXPECT_TRUE(fileExists(path));
    EXPECT_EQ(readFile(path), kTape);
    EXPECT_FALSE(fileDiffersFrom(path, {kTape}));
    EXPECT_TRUE(raised.empty());
}

}  // namespace
}  // namespace murax
