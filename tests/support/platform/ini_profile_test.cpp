// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/ini_profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/helpers/scratch_folder.h"

namespace murax {
namespace {

using testing::readText;
using testing::ScratchFolder;
using testing::writeText;

class IniProfileTest : public ::testing::Test {
protected:
    std::string read(const std::string& section, const std::string& key)
    {
        return readProfileString(section, key, "<default>", file);
    }
    ScratchFolder scratch;
    std::string file = scratch / "MURAX.INI";
};

TEST_F(IniProfileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(read("Edit", "Hex editor"), "<default>");
    writeText(file, "[Other]\nHex editor=wrong\n[Edit]\nEditor=x\nnot a key line\n");
    EXPECT_EQ(read("Edit", "Hex editor"), "<default>");
    EXPECT_EQ(read("Missing", "Editor"), "<default>");
    // A key before any section belongs to none.
    writeText(file, "Hex editor=loose\n[Edit]\n");
    EXPECT_EQ(read("Edit", "Hex editor"), "<default>");
}

TEST_F(IniProfileTest, ValueIsTrimmedAndUnquotedOnce)
{
    writeText(file,
              "[Edit]\r\n"
              "  Hex editor  =   /usr/bin/ghex --flag  \r\n"
              "Spaces=     \r\n"
              "Quoted=  \" /opt/hex editor \"  \r\n"
              "Single='x'\r\n"
              "Twice=\"\"in\"\"\r\n"
              "Unbalanced=\"open\r\n"
              "Lone=\"\r\n"
              "Equals=a=b\r\n");
    EXPECT_EQ(read("Edit", "Hex editor"), "/usr/bin/ghex --flag");
    EXPECT_EQ(read("Edit", "Spaces"), "");
    EXPECT_EQ(read("Edit", "Quoted"), " /opt/hex editor ");
    EXPECT_EQ(read("Edit", "Single"), "x");
    EXPECT_EQ(read("Edit", "Twice"), "\"in\"");
    EXPECT_EQ(read("Edit", "Unbalanced"), "\"open");
    EXPECT_EQ(read("Edit", "Lone"), "\"");
    EXPECT_EQ(read("Edit", "Equals"), "a=b");
}

TEST_F(IniProfileTest, SectionsAndKeysCompareWithoutCase)
{
    writeText(file, "\xEF\xBB\xBF[ eDiT ]\nHEX EDITOR=hexed\n[Edit]\nHex editor=second\n");
    EXPECT_EQ(read("Edit", "Hex editor"), "hexed");
    EXPECT_EQ(read("EDIT", "hex editor"), "hexed");
    // Only ASCII letters fold: "È" and "è" are different keys.
    writeText(file, "[Edit]\n\xC3\x88=upper\n");
    EXPECT_EQ(read("Edit", "\xC3\xA8"), "<default>");
    EXPECT_EQ(read("Edit", "\xC3\x88"), "upper");
}

// A new file has the system's line ends, which a file that has some keeps whatever the system.
#ifdef _WIN32
const std::string kNewLine = "\r\n";
#else
const std::string kNewLine = "\n";
#endif

TEST_F(IniProfileTest, WriteCreatesFileSectionAndKey)
{
    ASSERT_TRUE(writeProfileString("Edit", "Hex editor", "", file));
    EXPECT_EQ(readText(file), "[Edit]" + kNewLine + "Hex editor=" + kNewLine);
    EXPECT_EQ(read("Edit", "Hex editor"), "");

    ASSERT_TRUE(writeProfileString("Edit", "Other", "v", file));
    EXPECT_EQ(readText(file),
              "[Edit]" + kNewLine + "Hex editor=" + kNewLine + "Other=v" + kNewLine);
}

TEST_F(IniProfileTest, LineEndsOfAnExistingFileAreKept)
{
    const struct {
        const char* before;
        std::string after;
    } cases[] = {
        {"[Edit]\r\n", "[Edit]\r\nHex editor=x\r\n"},
        {"[Edit]\n", "[Edit]\nHex editor=x\n"},
        {"; no line end yet",
         "; no line end yet" + kNewLine + "[Edit]" + kNewLine + "Hex editor=x" + kNewLine},
        {"", "[Edit]" + kNewLine + "Hex editor=x" + kNewLine},
    };
    for (const auto& c : cases) {
        writeText(file, c.before);
        ASSERT_TRUE(writeProfileString("Edit", "Hex editor", "x", file));
        EXPECT_EQ(readText(file), c.after) << c.before;
    }
}

TEST_F(IniProfileTest, WriteKeepsEveryOtherLine)
{
    const std::string before =
        "; settings\r\n"
        "[Colours]\r\n"
        "Hex editor=not this one\r\n"
        "\r\n"
        "[edit]\r\n"
        "Font = Courier\r\n"
        "HEX EDITOR = old\r\n"
        "Tail=1\r\n"
        "\r\n"
        "[Last]\r\n"
        "k=v";
    writeText(file, before);
    ASSERT_TRUE(writeProfileString("Edit", "Hex editor", "/usr/bin/hexedit", file));
    EXPECT_EQ(readText(file),
              "; settings\r\n"
              "[Colours]\r\n"
              "Hex editor=not this one\r\n"
              "\r\n"
              "[edit]\r\n"
              "Font = Courier\r\n"
              "Hex editor=/usr/bin/hexedit\r\n"
              "Tail=1\r\n"
              "\r\n"
              "[Last]\r\n"
              "k=v\r\n");

    // A new key goes at the end of its section, before the blank line that ends it.
    ASSERT_TRUE(writeProfileString("EDIT", "Size", "10", file));
    EXPECT_EQ(read("Edit", "Size"), "10");
    EXPECT_NE(readText(file).find("Tail=1\r\nSize=10\r\n\r\n[Last]"), std::string::npos);

    ASSERT_TRUE(writeProfileString("New", "k", "1", file));
    EXPECT_EQ(read("New", "k"), "1");
    EXPECT_EQ(read("Last", "k"), "v");
    EXPECT_EQ(read("Colours", "Hex editor"), "not this one");
}

TEST_F(IniProfileTest, LongValuesSurviveWhole)
{
    const std::string value(4095, 'v');
    ASSERT_TRUE(writeProfileString("Edit", "Hex editor", value, file));
    EXPECT_EQ(read("Edit", "Hex editor"), value);
}

TEST_F(IniProfileTest, FailedWriteReportsFalseAndHarmsNothing)
{
    // A folder where the file should be, and a folder that does not exist.
    std::filesystem::create_directory(scratch / "folder.ini");
    EXPECT_FALSE(writeProfileString("Edit", "k", "v", scratch / "folder.ini"));
    EXPECT_FALSE(writeProfileString("Edit", "k", "v", scratch / "missing/MURAX.INI"));
    // A line break in the value would make a line of its own.
    writeText(file, "[Edit]\nk=old\n");
    EXPECT_FALSE(writeProfileString("Edit", "k", "new\n[Evil]", file));
    EXPECT_EQ(readText(file), "[Edit]\nk=old\n");
}

TEST_F(IniProfileTest, UnreadableFileIsNotReplaced)
{
    // Reading /proc/self/mem fails even for root; the file must not be rewritten from nothing.
    EXPECT_EQ(readProfileString("Edit", "k", "dflt", "/proc/self/mem"), "dflt");
    EXPECT_FALSE(writeProfileString("Edit", "k", "v", "/proc/self/mem"));
}

}  // namespace
}  // namespace murax
