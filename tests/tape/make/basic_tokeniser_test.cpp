// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What zmakebas cannot check: the faults a listing may have, named by line and column; Murax's
// listing of programs zmakebas never makes (every byte, in strings, REM lines and as tokens)
// tokenised back; DEF FN's slots, VAL$ and the signs only Murax reads; the number forms against
// the listing's own reader.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace std::string_literals;

#include "tape/inspect/basic_listing.h"
#include "tape/make/basic_tokeniser.h"
#include "tape/make/hidden_number.h"

namespace murax {
namespace {

struct Fault {
    const char* listing;
    std::size_t line, column;
    const char* says;
};

class TokeniserFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(TokeniserFaults, NameLineAndColumnAndMakeNothing)
{
    const Fault& fault = GetParam();
    const TokenisedBasic made = tokeniseBasic(fault.listing);
    ASSERT_TRUE(made.error) << fault.listing;
    EXPECT_EQ(made.program, "");
    EXPECT_EQ(made.error->line, fault.line) << made.error->what;
    EXPECT_EQ(made.error->column, fault.column) << made.error->what;
    EXPECT_NE(basicErrorText(*made.error).find(fault.says), std::string::npos)
        << basicErrorText(*made.error);
}

INSTANTIATE_TEST_SUITE_P(Listings, TokeniserFaults,
                         ::testing::Values(Fault{"10 CLS\n5 CLS\n", 2, 1, "rising order"},
                                           Fault{"10 CLS\n10 CLS\n", 2, 1, "rising order"},
                                           Fault{"# note\n  10000 CLS\n", 2, 3,
                                                 "10000 is above 9999"},
                                           Fault{"10 CLS\nPRINT 1\n", 2, 1, "line number"},
                                           Fault{"10 PRINT \"abc\n", 1, 10, "not closed"},
                                           Fault{"10 PRINT \"£\";\"x\n", 1, 14, "not closed"},
                                           Fault{"10 PRINT \"\\z\"\n", 1, 11, "unknown escape \\z"},
                                           Fault{"10 PRINT \"\\{256}\"\n", 1, 11, "not a byte"},
                                           Fault{"10 PRINT \\{1\n", 1, 10, "closing }"},
                                           Fault{"10 PRINT 1e39\n", 1, 10, "beyond"},
                                           Fault{"10 PRINT 1e-40\n", 1, 10, "beyond"},
                                           Fault{"10 PRINT \"é\"\n", 1, 11, "'é' has no code"},
                                           Fault{"10 PRINT \"\ta\"\n", 1, 11, "\\{9}"},
                                           Fault{"10 PRINT 1;\\\n\"x\n", 2, 1, "not closed"}));

// A program line of `body`'s bytes.
std::string programLine(unsigned number, const std::string& body)
{
    const std::size_t length = body.size() + 1;
    return std::string{static_cast<char>(number >> 8), static_cast<char>(number & 0xFF),
                       static_cast<char>(length & 0xFF), static_cast<char>(length >> 8)} +
           body + "\r";
}

std::string listingOf(const std::string& program)
{
    std::string text;
    for (const std::string& line : basicListingText(listBasic(program, program.size(), 1)))
        text += line + "\n";
    return text;
}

// Programs zmakebas does not make: every byte but the quote in a string, every byte but the end
// of line in a REM, every token as a keyword, each beside a name, a number and a sign. Their
// listing tokenises back to them.
TEST(BasicTokeniser, ListingOfEveryByteTokenisesBack)
{
    std::string everyByte, everyRemByte, everyToken;
    for (unsigned c = 0; c < 256; ++c) {
        if (c != '"')
            everyByte += static_cast<char>(c);
        if (c != '\r')
            everyRemByte += static_cast<char>(c);
    }
    for (unsigned token = 0xA3; token <= 0xFF; ++token)
        if (token != 0xEA)  // REM would take the rest of the line
            everyToken += "a" + std::string(1, static_cast<char>(token)) + "b:";
    const std::string program = programLine(1, "\xF5\"" + everyByte + "\"") +
                                programLine(2, everyToken) +
                                programLine(9999, "\xEA" + everyRemByte);
    const std::string listing = listingOf(program);
    const TokenisedBasic made = tokeniseBasic(listing);
    ASSERT_FALSE(made.error) << basicErrorText(*made.error) << "\n" << listing;
    EXPECT_EQ(made.program, program) << listing;
}

struct Tokenised {
    const char* listing;
    std::string bytes;  // of the line's body
};

class TokeniserForms : public ::testing::TestWithParam<Tokenised> {};

TEST_P(TokeniserForms, GiveTheirBytes)
{
    const TokenisedBasic made = tokeniseBasic(std::string("1 ") + GetParam().listing);
    ASSERT_FALSE(made.error) << basicErrorText(*made.error);
    EXPECT_EQ(made.program, programLine(1, GetParam().bytes));
}

// DEF FN's parameters each get the slot the ROM fills when FN is called (zmakebas leaves it out);
// VAL$ is one keyword (zmakebas reads VAL and a dollar); the signs Murax's listing prints.
INSTANTIATE_TEST_SUITE_P(NotFromZmakebas, TokeniserForms,
                         ::testing::Values(Tokenised{"def fn f(x, y$)=x",
                                                     "\xCE"
                                                     "f(x\x0E\0\0\0\0\0,y$\x0E\0\0\0\0\0)=x"s},
                                           Tokenised{"DEF FN g()=1: PRINT FN g()",
                                                     "\xCEg()=1\x0E\0\0\x01\0\0:\xF5\xA8g()"s},
                                           Tokenised{"PRINT VAL$ a$",
                                                     "\xF5\xAE"
                                                     "a$"},
                                           Tokenised{"PRINT \"£↑©\"", "\xF5\"\x60\x5E\x7F\""}));

// The five bytes read back by the listing's own reader give the number; a number beyond the
// floating form's range has none.
TEST(SpectrumNumber, ReadsBackAsTheNumber)
{
    for (const double value : {0.0, 1.0, -1.0, 65535.0, -65535.0, 65536.0, -65536.0, 0.5, 0.25,
                               1e10, -1e10, 1.5e-30, 1e38, 123456789.0, -0.125}) {
        const auto bytes = spectrumNumberBytes(value);
        ASSERT_TRUE(bytes) << value;
        const double back =
            spectrumNumber(std::string_view(reinterpret_cast<const char*>(bytes->data()), 5));
        EXPECT_LE(std::fabs(back - value), std::fabs(value) * 1e-9) << value;
    }
    for (const double value : {1e39, -1e39, 1e-40, std::nan(""), HUGE_VAL})
        EXPECT_FALSE(spectrumNumberBytes(value)) << value;
}

}  // namespace
}  // namespace murax
