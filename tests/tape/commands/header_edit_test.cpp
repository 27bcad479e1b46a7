// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/header_edit.h"

#include <gtest/gtest.h>

#include "tape/format/header_fields.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax {
namespace {

using F = HeaderField;

TEST(HeaderEdit, AFieldTakesOnlyWhatItsRangeHoldsAndBeepsOtherwise)
{
    struct Case {
        HeaderField field;
        std::u32string text;
        bool takes;
    };
    const Case cases[] = {
        {F::StartAddress, U"", true},       {F::StartAddress, U"0", true},
        {F::StartAddress, U"65535", true},  {F::StartAddress, U"65536", false},
        {F::StartAddress, U"99999", false}, {F::StartAddress, U"100000", false},
        {F::StartAddress, U"-1", false},    {F::StartAddress, U"12a", false},
        {F::StartAddress, U" 1", false},    {F::StartAddress, U"\u0661", false},
        {F::Autostart, U"9999", true},      {F::Autostart, U"10000", false},
        {F::Autostart, U"0", true},         {F::Autostart, U"", true},
        {F::ProgramLength, U"65535", true}, {F::ProgramLength, U"65536", false},
        {F::Variable, U"a", true},          {F::Variable, U"Z", true},
        {F::Variable, U"", true},           {F::Variable, U"ab", false},
        {F::Variable, U"1", false},         {F::Variable, U"$", false},
        {F::Variable, U"\u00E9", false},
    };
    for (const Case& c : cases) {
        testing::FakeDesktop desktop;
        EXPECT_EQ(headerFieldTakes(c.field, c.text, desktop), c.takes)
            << static_cast<int>(c.field) << " " << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(desktop.beeps, c.takes ? 0 : 1);
        // The field's length limit never cuts a value it takes.
        if (c.takes) {
            EXPECT_LE(c.text.size(), headerFieldMaxLength(c.field));
        }
    }
}

// The fields the form opens with, read back through the header decoder that the viewer uses.
TEST(HeaderEdit, AHeaderWrittenFromAFormReadsBackAsTyped)
{
    struct Case {
        const char* what;
        std::string entry;
        int type;
        std::vector<std::pair<F, std::string>> typed;
        unsigned writtenType, parameter1, parameter2;
    };
    const std::string program = testing::printOneEntry();
    const std::string bytes = testing::headerEntry("code");
    const Case cases[] = {
        {"bytes moved", bytes, 3, {{F::StartAddress, "40000"}}, 3, 40000, 0},
        {"a program restarted", program, 0, {{F::Autostart, "100"}}, 0, 100, 13},
        {"a program without autostart", program, 0, {{F::Autostart, ""}}, 0, 0x8000, 13},
        {"a program made bytes", program, 3, {{F::StartAddress, "0"}}, 3, 0, 13},
        {"bytes made a number array", bytes, 1, {{F::Variable, "b"}}, 1, 0x8200, 0},
        {"bytes made a character array", bytes, 2, {{F::Variable, "z"}}, 2, 0xDA00, 0},
        // A field the type does not have is not written, whatever it holds.
        {"bytes keep their start", bytes, 3, {{F::Autostart, "5"}}, 3, 0, 0},
        // A value the field could not take (never typed, only opened with) keeps the header's.
        {"a program keeps an autostart past the last line",
         testing::headerBlock(0, "p", 4, 20000, 4) + testing::dataBlock("dddd"),
         0,
         {{F::ProgramLength, "2"}},
         0,
         20000,
         2},
        // Left as it opened, a letter byte without an array's kind bits stays as it is.
        {"an array whose letter is left alone",
         testing::headerBlock(1, "a", 4, 0x0909, 0x0909) + testing::dataBlock("dddd"),
         1,
         {},
         1,
         0x0909,
         0x0909},
    };
    for (const Case& c : cases) {
        PropertiesForm form = propertiesFormOf(c.entry);
        form.type = c.type;
        for (const auto& [field, text] : c.typed)
            for (std::size_t i = 0; i < kHeaderFields.size(); ++i)
                if (kHeaderFields[i] == field)
                    form.fields[i] = text;
        const std::string written = withPropertiesWritten(c.entry, form);
        ASSERT_EQ(written.size(), c.entry.size()) << c.what;
        const auto header = decodeHeader(written);
        ASSERT_TRUE(header) << c.what;
        EXPECT_EQ(header->type, c.writtenType) << c.what;
        EXPECT_EQ(header->parameter1, c.parameter1) << c.what;
        EXPECT_EQ(header->parameter2, c.parameter2) << c.what;
        // The checksum is made anew, the data block left as it was.
        unsigned char x = 0;
        for (std::size_t i = 2; i < 21; ++i)
            x ^= static_cast<unsigned char>(written[i]);
        EXPECT_EQ(x, 0) << c.what;
        EXPECT_EQ(written.substr(21), c.entry.substr(21)) << c.what;
    }
}

TEST(HeaderEdit, EachTypeHasItsOwnFieldsAndAnUnknownTypeNone)
{
    for (int type = -1; type <= kHeaderTypeCount; ++type) {
        int fields = 0;
        for (const HeaderField field : kHeaderFields)
            fields += typeHasField(type, field) ? 1 : 0;
        const int expected = type == 0 ? 2 : (type >= 1 && type <= 3 ? 1 : 0);
        EXPECT_EQ(fields, expected) << type;
    }
    // An unknown type byte opens with no type chosen and is kept.
    const std::string odd = testing::headerBlock(7, "odd", 4, 1, 2) + testing::dataBlock("dddd");
    const PropertiesForm form = propertiesFormOf(odd);
    EXPECT_EQ(form.type, -1);
    EXPECT_EQ(withPropertiesWritten(odd, form), odd);
}

}  // namespace
}  // namespace murax
