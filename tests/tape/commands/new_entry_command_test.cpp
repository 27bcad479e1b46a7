// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/new_entry_command.h"

#include <algorithm>

#include "tape/commands/header_edit.h"
#include "tape/commands/new_entry_form.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

using NewEntry = CommandTest;

int placeOf(HeaderField field)
{
    return static_cast<int>(std::find(kHeaderFields.begin(), kHeaderFields.end(), field) -
                            kHeaderFields.begin());
}

// Each kind of file asks for its own field, opened on the value that the entry would otherwise
// get, and every form's answer untouched makes the entry that murax-list --make makes by default.
TEST(NewEntryForm, EachKindAsksForItsFieldWithItsDefault)
{
    struct Case {
        const char* path;
        int field;
        std::string fieldText;
    };
    for (const Case& c :
         {Case{"/t/Loader.BAS", placeOf(HeaderField::Autostart), ""}, Case{"/t/title.scr", -1, ""},
          Case{"/t/game.bin", placeOf(HeaderField::StartAddress), "32768"}}) {
        SCOPED_TRACE(c.path);
        const NewEntryForm form = newEntryFormFor(c.path);
        EXPECT_EQ(form.field, c.field);
        EXPECT_EQ(form.fieldText, c.fieldText);
        EXPECT_EQ(form.nameLength, 10u);
        EXPECT_NE(form.about.find(std::string(c.path).substr(3)), std::string::npos);
        const auto made = choicesOf(form);
        ASSERT_TRUE(made.choices);
        EXPECT_EQ(made.choices->name, form.name);
        EXPECT_FALSE(made.choices->autostart);
        EXPECT_EQ(made.choices->start, FileEntryChoices{}.start);
    }
}

TEST_F(NewEntry, AnEmptyStartAddressIsToldAndAskedAgain)
{
    open("game.tap", tapeOf({1}), {1}, 1);
    fake.openAnswers = {write("code.bin", "abc")};
    window.newEntryAnswers.push_back([](NewEntryForm& form) { form.fieldText.clear(); });
    window.newEntryAnswers.push_back([](NewEntryForm& form) {
        EXPECT_EQ(form.fieldText, "");  // the dialog opens again on what was typed
        form.fieldText = "65533";
    });

    newEntryFromFile(window, list);

    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("0 to 65535"), std::string::npos);
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.entries()[1], headerBlock(3, "code", 3, 65533, 32768) + dataBlock("abc"));
    expectListInStep();
}

// What no answer could mend is told before the dialog opens; what the answer makes impossible,
// after it. Either way the message names the file and the list and its history stay as they were.
TEST_F(NewEntry, AFileThatMakesNoEntryIsRefusedNamingIt)
{
    struct Case {
        const char* what;
        std::string file;
        std::string bytes;
        bool asked;
        const char* told;
    };
    for (const Case& c :
         {Case{"empty", "empty.bin", "", false, "empty"},
          Case{"too long for a block", "big.bin", std::string(65534, 'x'), false, "65533"},
          Case{"past 65535 from its start", "late.bin", "abc", true, "65535"},
          Case{"a listing out of order", "bad.bas", "20 PRINT\n10 PRINT\n", false,
               "line 2, column"},
          Case{"a screen of another size", "odd.scr", "abc", false, "6912"}}) {
        SCOPED_TRACE(c.what);
        fake.messages.clear();
        window.newEntryForms.clear();
        open("game.tap", tapeOf({1, 2}), {1}, 1);
        fake.openAnswers = {write(c.file, c.bytes)};
        window.newEntryAnswers = {[](NewEntryForm& form) { form.fieldText = "65534"; }};

        newEntryFromFile(window, list);

        EXPECT_EQ(window.newEntryForms.size(), c.asked ? 1u : 0u);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_NE(fake.messages[0].text.find(path(c.file)), std::string::npos);
        EXPECT_NE(fake.messages[0].text.find(c.told), std::string::npos) << fake.messages[0].text;
        EXPECT_EQ(tags(), (std::vector<int>{1, 2}));
        EXPECT_FALSE(list.history().canUndo());
    }
}

TEST_F(NewEntry, AFileThatCannotBeReadIsRefusedBeforeTheDialog)
{
    open("game.tap", tapeOf({1}), {1}, 1);
    fake.openAnswers = {path("gone.bin")};
    newEntryFromFile(window, list);
    EXPECT_TRUE(window.newEntryForms.empty());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find(path("gone.bin")), std::string::npos);
    EXPECT_EQ(tags(), std::vector<int>{1});
}

TEST_F(NewEntry, CancelledDialogsChangeNothing)
{
    open("game.tap", tapeOf({1}), {1}, 1);
    newEntryFromFile(window, list);  // the open dialog cancelled
    fake.openAnswers = {write("code.bin", "abc")};
    newEntryFromFile(window, list);  // the new entry dialog cancelled
    EXPECT_EQ(window.newEntryForms.size(), 1u);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(tags(), std::vector<int>{1});
    EXPECT_FALSE(list.history().canUndo());
}

}  // namespace
}  // namespace murax::testing
