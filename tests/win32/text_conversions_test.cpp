// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What murax.exe turns into text for the system and back: its arguments and the file dialogs'
// filters.
#include <gtest/gtest.h>

#include "win32/dialog_filters.h"
#include "win32/program_arguments.h"

namespace murax {
namespace {

TEST(ProgramArgumentsTest, SplitsByTheSystemsRulesIntoUtf8)
{
    const struct {
        const wchar_t* commandLine;
        std::vector<std::string> arguments;
    } cases[] = {
        {L"murax.exe game", {"murax.exe", "game"}},
        {L"\"C:\\Program Files\\Murax\\murax.exe\" \"my game.tap\" extra",
         {"C:\\Program Files\\Murax\\murax.exe", "my game.tap", "extra"}},
        // Outside every ANSI code page at once: Greek, and a character beyond 16 bits.
        {L"murax.exe C:\\\u03a4\u03b1\u03b9\u03bd\u03af\u03b5\u03c2\\\U0001F3AE.tap",
         {"murax.exe",
          "C:\\\xCE\xA4\xCE\xB1\xCE\xB9\xCE\xBD\xCE\xAF\xCE\xB5\xCF\x82\\\xF0\x9F\x8E\xAE.tap"}},
        {L"murax.exe \"say \\\"hi\\\".tap\"", {"murax.exe", "say \"hi\".tap"}},
        {L"murax.exe -- --help", {"murax.exe", "--", "--help"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(programArguments(c.commandLine), c.arguments);
}

TEST(ProgramArgumentsTest, PointersEndInANullAsMainsDo)
{
    std::vector<std::string> arguments = {"murax.exe", "game"};
    const std::vector<char*> pointers = argumentPointers(arguments);
    ASSERT_EQ(pointers.size(), 3u);
    EXPECT_EQ(pointers[0], arguments[0].data());
    EXPECT_EQ(pointers[1], arguments[1].data());
    EXPECT_EQ(pointers[2], nullptr);
}

TEST(DialogFiltersTest, EachFilterBecomesItsDescriptionAndPatterns)
{
    using namespace std::string_literals;
    const struct {
        std::vector<std::string> filters;
        std::wstring text;
    } cases[] = {
        {{"TAP files (*.tap)"}, L"TAP files (*.tap)\0*.tap\0\0"s},
        {{"TAP files (*.tap)", "Text (*.txt *.text)"},
         L"TAP files (*.tap)\0*.tap\0Text (*.txt *.text)\0*.txt;*.text\0\0"s},
        {{"Everything"}, L"Everything\0*.*\0\0"s},
        {{"Empty ()"}, L"Empty ()\0*.*\0\0"s},
        {{"Imm\xC3\xA0gini (*.png)"}, L"Imm\u00e0gini (*.png)\0*.png\0\0"s},
        {{}, L"\0"s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dialogFilterText(c.filters), c.text);
}

}  // namespace
}  // namespace murax
