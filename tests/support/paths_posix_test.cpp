// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/helpers/scratch_folder.h"

namespace murax {
namespace {

using testing::CurrentDirectory;
using testing::ScratchFolder;

TEST(FullName, ResolvesAgainstTheCurrentDirectory)
{
    ScratchFolder scratch;
    std::filesystem::create_directory(scratch.path() / "TAPES");
    CurrentDirectory cwd(scratch.path() / "TAPES");
    const std::string base = std::filesystem::current_path().string();
    const std::string parent = std::filesystem::current_path().parent_path().string();

    EXPECT_EQ(FULLNAME("game"), base + "/game");  // need not exist
    EXPECT_EQ(FULLNAME("../x.tap"), parent + "/x.tap");
    EXPECT_EQ(FULLNAME("./a/./b/../c.tap"), base + "/a/c.tap");
    EXPECT_EQ(FULLNAME("."), base);
    EXPECT_EQ(FULLNAME("sub/"), base + "/sub");
}

TEST(FullName, NormalisesAbsoluteNames)
{
    EXPECT_EQ(FULLNAME("/tapes/../games/./x.tap"), "/games/x.tap");
    EXPECT_EQ(FULLNAME("/tapes//x.tap"), "/tapes/x.tap");
    EXPECT_EQ(FULLNAME("/a/b/.."), "/a");
    EXPECT_EQ(FULLNAME("/.."), "/");
    EXPECT_EQ(FULLNAME("/"), "/");
    EXPECT_EQ(FULLNAME(""), "");
}

TEST(FullName, KeepsVeryLongPathsWhole)
{
    std::string name = "/";
    for (int i = 0; i < 300; ++i)
        name += "folder" + std::to_string(i) + "/";
    name += "x.tap";
    const std::string full = FULLNAME(name + "/../x.tap");
    EXPECT_EQ(full, name.substr(0, name.size() - 5) + "x.tap");
    EXPECT_GT(full.size(), 2000u);
}

TEST(SameFile, OneFileByAnyOfItsNamesButNotTwoFilesWithTheSameBytes)
{
    ScratchFolder scratch;
    CurrentDirectory cwd(scratch.path());
    const auto folder = scratch.path();
    std::filesystem::create_directory(folder / "sub");
    for (const char* name : {"a.tap", "b.tap"})
        std::ofstream(folder / name) << "same";
    std::filesystem::create_symlink(folder / "a.tap", folder / "link.tap");
    std::filesystem::create_hard_link(folder / "a.tap", folder / "hard.tap");

    EXPECT_TRUE(sameFile("a.tap", (folder / "a.tap").string()));
    EXPECT_TRUE(sameFile("sub/../a.tap", "./a.tap"));
    EXPECT_TRUE(sameFile("link.tap", "a.tap"));
    EXPECT_TRUE(sameFile("hard.tap", "a.tap"));
    EXPECT_TRUE(sameFile("new.tap", "sub/../new.tap"));  // no such file, the same name
    EXPECT_FALSE(sameFile("a.tap", "b.tap"));
    EXPECT_FALSE(sameFile("a.tap", "new.tap"));
}

TEST(ShortPath, ShortPathsComeBackUnchanged)
{
    EXPECT_EQ(SHORTPATH("/TAPES/game.tap", 53), "/TAPES/game.tap");
    EXPECT_EQ(SHORTPATH("C:/TAPES/game.tap", 53), "C:/TAPES/game.tap");
    EXPECT_EQ(SHORTPATH("  /TAPES/game.tap   ", 53), "/TAPES/game.tap");
    EXPECT_EQ(SHORTPATH("", 53), "");
}

TEST(ShortPath, KeepsTheDriveAndCutsTheTailAtAFolder)
{
    const std::string withDrive = "C:/Users/user/Documents/Spectrum/Tapes/Games/Arcade/Classic.tap";
    ASSERT_EQ(withDrive.size(), 63u);
    EXPECT_EQ(SHORTPATH(withDrive, 53), "C:/.../Spectrum/Tapes/Games/Arcade/Classic.tap");

    // An absolute path keeps no prefix and four more characters of its tail.
    const std::string absolute = "/Users/user/Documents/Spectrum/Tapes/Games/Arcade/Classic.tap";
    EXPECT_EQ(SHORTPATH(absolute, 53), "/.../Spectrum/Tapes/Games/Arcade/Classic.tap");
    EXPECT_EQ(SHORTPATH("/home/someone/xyz/" + std::string(40, 'b') + "/c.tap", 53),
              "/.../" + std::string(40, 'b') + "/c.tap");
}

TEST(ShortPath, TailWithoutFolderStaysWhole)
{
    const std::string letters(60, 'A');
    const std::string drive = SHORTPATH("C:/" + letters + ".tap", 53);
    EXPECT_EQ(drive, "C:/..." + std::string(43, 'A') + ".tap");
    EXPECT_EQ(drive.size(), 53u);

    const std::string root = SHORTPATH("/" + letters + ".tap", 53);
    EXPECT_EQ(root, "/..." + std::string(45, 'A') + ".tap");
    EXPECT_EQ(root.size(), 53u);
}

TEST(ShortPath, LimitIsInclusive)
{
    const std::string exact = "C:/" + std::string(46, 'x') + ".tap";
    ASSERT_EQ(exact.size(), 53u);
    EXPECT_EQ(SHORTPATH(exact, 53), exact);

    const std::string longer = "C:/" + std::string(10, 'd') + "/" + std::string(36, 'x') + ".tap";
    ASSERT_EQ(longer.size(), 54u);
    const std::string shortened = SHORTPATH(longer, 53);
    EXPECT_EQ(shortened, "C:/.../" + std::string(36, 'x') + ".tap");
    EXPECT_LE(shortened.size(), 53u);
    // Trailing blanks do not count towards the length.
    EXPECT_EQ(SHORTPATH(exact + "   ", 53), exact);
}

TEST(ShortPath, CountsAndCutsCharactersNotBytes)
{
    // 53 two-byte characters: 106 bytes, but short enough to show whole.
    std::string folder;
    for (int i = 0; i < 51; ++i)
        folder += "\xC3\xA8";
    const std::string fits = "/\xC3\xA8" + folder;  // 53 characters
    EXPECT_EQ(SHORTPATH(fits, 53), fits);

    // Cut inside a run of two-byte characters: the result holds whole characters only.
    const std::string tooLong = "/" + folder + folder + ".tap";
    const std::string cut = SHORTPATH(tooLong, 53);
    std::string expected = "/...";
    for (int i = 0; i < 45; ++i)
        expected += "\xC3\xA8";
    EXPECT_EQ(cut, expected + ".tap");
}

TEST(ShortPath, TinyLimitsDoNotBreak)
{
    EXPECT_EQ(SHORTPATH("/abc/def", 3), "/...");
    EXPECT_EQ(SHORTPATH("C:/abc/def", 3), "C:/...");
    EXPECT_EQ(SHORTPATH("/abc/def", 0), "/...");
}

}  // namespace
}  // namespace murax
