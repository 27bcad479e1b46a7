// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tapes made by tools we did not write, taken through the editor's own Open, rename and Save.

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "tape/change_detection.h"
#include "tape/open_commands.h"
#include "tape/save_commands.h"
#include "tape/rename_command.h"
#include "tests/tape/command_fixture.h"

namespace murax::testing {
namespace {

bool toolsPresent()
{
    return std::filesystem::exists("/usr/bin/zmakebas") && std::filesystem::exists("/usr/bin/pasmo");
}

std::string runAndCapture(const std::string& command)
{
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe)
        return output;
    char buffer[4096];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe.get()))
        output.append(buffer, got);
    return output;
}

class RealTapes : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        if (!toolsPresent())
            GTEST_SKIP() << "zmakebas or pasmo is not installed";
        write("loader.bas", "10 CLEAR 32767\n20 LOAD \"\"CODE\n30 RANDOMIZE USR 32768\n");
        ASSERT_EQ(std::system("zmakebas -a 10 -n loader -o loader.tap loader.bas"), 0);
        // One code byte 0xE5 makes the data block's checksum 0xFF ^ 0xE5 = 0x1A, the last byte.
        write("code.asm", "\tORG 32768\n\tDEFB 0E5h\n");
        ASSERT_EQ(std::system("pasmo --tap code.asm code.tap"), 0);
        write("game.tap", read(path("loader.tap")) + read(path("code.tap")));
    }
};

TEST_F(RealTapes, OpenThenSaveGivesTheFileBackByteForByte)
{
    ASSERT_EQ(read(path("code.tap")).back(), '\x1A');
    for (const char* name : {"loader.tap", "code.tap", "game.tap"}) {
        const std::string original = read(path(name));
        open("start.tap", tapeOf({9}), {1}, 1);
        fake.openAnswers.push_back(name);
        fake.saveAnswers.push_back(std::string("copy-of-") + name);

        APRI(window, list);
        SALVA(&window, list, true);

        EXPECT_EQ(read(path(std::string("copy-of-") + name)), original) << name;
        EXPECT_FALSE(CAMBIATO(list)) << name;
    }
}

TEST_F(RealTapes, LinesShowWhatTheToolsWrote)
{
    const std::string argument = "game";
    ASSERT_TRUE(startupLoad(app, &argument, list));
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.lines()[0].substr(0, 29), "loader        Program        ");
    EXPECT_EQ(list.lines()[0].substr(36, 5), "   10");
    EXPECT_EQ(list.lines()[1].substr(0, 29), "code.tap      Bytes          ");
    EXPECT_EQ(list.lines()[1].substr(36, 5), "32768");
    EXPECT_EQ(list.lines()[1].substr(47, 5), "    1");
}

TEST_F(RealTapes, RenamedHeaderPassesAnIndependentChecksumTest)
{
    if (!std::filesystem::exists("/usr/bin/tzxlist"))
        GTEST_SKIP() << "tzxlist is not installed";
    const std::string argument = "game.tap";
    ASSERT_TRUE(startupLoad(app, &argument, list));
    window.list.setState(list.lines(), {2}, 2);
    window.nameAnswers.push_back("renamed");
    MODIFICA(window, list);
    SALVA(&window, list, false);

    const std::string listing = runAndCapture("tzxlist game.tap");
    EXPECT_NE(listing.find("\"renamed   \" CODE  32768, 1"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("FAIL"), std::string::npos) << listing;
    EXPECT_NE(listing.find("(PASS)"), std::string::npos) << listing;
}

}  // namespace
}  // namespace murax::testing
