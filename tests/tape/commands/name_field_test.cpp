// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/name_field.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_desktop.h"

namespace murax {
namespace {

TEST(NameField, StopsAtTheFirstZeroByteAndDropsTrailingSpaces)
{
    EXPECT_EQ(nameFieldText("GAME      "), "GAME");
    EXPECT_EQ(nameFieldText(std::string("AB\0CDEFGHI", 10)), "AB");
    EXPECT_EQ(nameFieldText(std::string("AB \0CDEFGH", 10)), "AB");
    EXPECT_EQ(nameFieldText("          "), "");
    EXPECT_EQ(nameFieldText(" lead  mid"), " lead  mid");
    EXPECT_EQ(nameFieldText(std::string("\0x", 2)), "");
}

TEST(NameField, EveryByteIsOneCharacterAndComesBackUnchanged)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::u32string shown = nameFieldCharacters(all);
    ASSERT_EQ(shown.size(), all.size());
    EXPECT_EQ(nameFieldBytes(shown), all);
    testing::FakeDesktop desktop;
    EXPECT_TRUE(nameFieldTakes(shown, desktop));
    EXPECT_EQ(desktop.beeps, 0);
    // Code-page letters as themselves, an unprintable byte as its stand-in.
    EXPECT_EQ(nameFieldCharacters(std::string("A\xE9\x80\x00", 4)), U"A\u00E9\u20AC\u25A1");
}

TEST(NameField, TakesOnlyTextWhoseEveryCharacterStandsForAByteAndBeepsOtherwise)
{
    struct Case {
        std::u32string text;
        bool taken;
    };
    const Case cases[] = {
        {U"", true},
        {U"PLAIN name", true},
        {U"\u00C0\u20AC\u25A1", true},      // a letter, a code-page sign, a stand-in
        {U"\u4E2D", false},                 // a character no byte shows as
        {U"OK\u4E2D", false},               // one such character refuses the whole text
        {U"\u2590", false},                 // a block the code page lacks
        {std::u32string(1, U'\0'), false},  // 0x00 shows as its stand-in, never as itself
    };
    for (const Case& c : cases) {
        testing::FakeDesktop desktop;
        EXPECT_EQ(nameFieldTakes(c.text, desktop), c.taken) << c.text.size();
        EXPECT_EQ(desktop.beeps, c.taken ? 0 : 1) << c.text.size();
    }
    // What the field cannot hold is passed over if it is handed such text anyway.
    EXPECT_EQ(nameFieldBytes(U"A\u4E2DB"), "AB");
}

}  // namespace
}  // namespace murax
