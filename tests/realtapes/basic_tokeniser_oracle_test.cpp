// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The BASIC tokeniser against zmakebas: awkward numbers, whole listings and their tapes, and a
// corpus of generated programs; and Murax's listing of what zmakebas made, tokenised back.

#include <gtest/gtest.h>

#include <random>

#include "tape/format/entry_bytes.h"
#include "tape/format/header_fields.h"
#include "tape/inspect/basic_listing.h"
#include "tape/make/basic_tokeniser.h"
#include "tape/make/entry_from_file.h"
#include "tests/realtapes/oracle_tools.h"
#include "tests/realtapes/tzxlist_listing.h"
#include "tests/support/helpers/scratch_folder.h"

namespace murax::testing {
namespace {

// zmakebas's program bytes for `listing` (-r: the program alone, no tape).
std::string zmakebasProgram(const ScratchFolder& folder, const std::string& listing)
{
    writeText(folder / "in.bas", listing);
    int status = 0;
    runCommand("zmakebas -r -o '" + folder / "out.bin" + "' '" + folder / "in.bas" + "'", status);
    EXPECT_EQ(status, 0) << listing;
    return readText(folder / "out.bin");
}

std::string tokenised(const std::string& listing)
{
    const TokenisedBasic made = tokeniseBasic(listing);
    EXPECT_FALSE(made.error) << basicErrorText(*made.error) << "\n" << listing;
    return made.program;
}

// Murax's listing of `program`, as text lines.
std::string murax_listing(const std::string& program)
{
    std::string text;
    for (const std::string& line : basicListingText(listBasic(program, program.size(), 10)))
        text += line + "\n";
    return text;
}

#define SKIP_WITHOUT_ZMAKEBAS()                                                           \
    do {                                                                                  \
        if (const std::string missing = firstMissingTool({"zmakebas"}); !missing.empty()) \
            MURAX_MISSING_TOOL(missing);                                                  \
    } while (false)

// Numbers where the five-byte form is easily got wrong: the integer form's edges, fractions that
// binary cannot hold, rounding at the mantissa's last bit (ties and a carry that would overflow
// it), the exponent's ends, and the ways a number may be written.
TEST(BasicTokeniserOracle, AwkwardNumbersAgreeWithZmakebas)
{
    SKIP_WITHOUT_ZMAKEBAS();
    const char* const numbers[] = {"0.1",
                                   "1e-5",
                                   "123456789",
                                   "65535",
                                   "65536",
                                   "-65535",
                                   ".5",
                                   "1e3",
                                   "1E-3",
                                   "0",
                                   "0.0",
                                   "00012",
                                   "1.",
                                   "1.5e+3",
                                   "65535.0",
                                   "4294967297",
                                   "4294967299",
                                   "4294967301",
                                   "8589934595",
                                   "0.9999999999999",
                                   "4294967295.5",
                                   "2147483647.75",
                                   "1.7e38",
                                   "1.70141183e38",
                                   "3e-39",
                                   "1e-38",
                                   "3.14159265358979",
                                   "0.3",
                                   "1e10",
                                   "12345.678",
                                   "bin 101",
                                   "bin 0x1234",
                                   "bin 11111111111111111",
                                   "0x10",
                                   "2.5e-7"};
    ScratchFolder folder;
    for (const char* number : numbers) {
        const std::string listing = std::string("10 PRINT ") + number + "\n";
        EXPECT_EQ(tokenised(listing), zmakebasProgram(folder, listing)) << number;
    }
}

// Every keyword of the 48K and the 128K's two but VAL$ (which zmakebas reads as VAL and a
// dollar sign) and DEF FN (to which it gives no parameter slots), numbers of every form, escapes of
// every kind in strings and outside them, REM lines with their spaces, keywords typed in any case
// and GO TO both ways, continued lines and comments.
const char* const kEveryKind =
    R"(# a comment line, passed over
10 PRINT RND;INKEY$;PI;FN a(1);POINT (1,2);SCREEN$ (1,2);ATTR (1,2);AT 1,2;TAB 3;CODE "a";VAL "2";LEN "abc"
20 LET a=SIN 1+COS 2+TAN 3+ASN 0.5+ACS 0.25+ATN 1+LN 2+EXP 1+INT 2.5+SQR 4+SGN -1+ABS -2+PEEK 23635+IN 254+USR 0

30 let b$=str$ 1+chr$ 65: if not a or b and c<=d then let e=bin 101
40 IF a>=b THEN IF a<>b THEN GOTO 10
50 FOR i=1 TO 10 STEP 2: NEXT i: go sub 100: GoSub 100
60 CAT : FORMAT "a": MOVE "a","b": ERASE "a"
70 OPEN #4,"s": CLOSE #4: MERGE "x": VERIFY "x": BEEP 1,2: CIRCLE 1,2,3
80 INK 1: PAPER 2: FLASH 0: BRIGHT 1: INVERSE 0: OVER 1: OUT 254,0
90 LPRINT "x": LLIST : STOP : READ a: DATA 1,2: RESTORE : NEW
100 BORDER 1: CONTINUE : DIM c(5): INPUT a: randomise 7
110 LOAD "x": LIST : PAUSE 50: POKE 23000,1: PLOT 1,2: RUN : SAVE "x" LINE 10
120 RANDOMIZE 1: CLS : DRAW 1,2: CLEAR 32000: RETURN : COPY
130 SPECTRUM : PLAY "abc"
140 PRINT "\{16}\{2}red\{17}\{6}paper\{22}\{1}\{2}at\{23}\{5}\{0}tab";12345.678;-0.001;1e10;65536;0
150 PRINT "\a\b\u\T\*\@\\`\  \ '\' \ .\. \ :\: \''\'.\.'\..\::\:'\':";\A;\::
160 PRINT "a  b  ";  x1 ; total+a$(1 TO 2)\
;"continued"
170 REM   spaces kept  "and" PRINT 1 \a
9999 REM last line
)";

// The entry made from a .bas file is the tape zmakebas makes with the same name and autostart
// line, header and all.
TEST(BasicTokeniserOracle, ProgramEntryIsZmakebasTape)
{
    SKIP_WITHOUT_ZMAKEBAS();
    ScratchFolder folder;
    writeText(folder / "every.bas", kEveryKind);
    struct Case {
        const char* name;
        std::optional<unsigned> autostart;
    };
    for (const Case& c : {Case{"every kind", 130}, Case{"0123456789", std::nullopt}, Case{"", 0},
                          Case{"x", 9999}}) {
        int status = 0;
        const std::string autostart =
            c.autostart ? " -a " + std::to_string(*c.autostart) : std::string();
        runCommand("zmakebas -n '" + std::string(c.name) + "'" + autostart + " -o '" +
                       folder / "made.tap" + "' '" + folder / "every.bas" + "'",
                   status);
        ASSERT_EQ(status, 0);
        const FileEntry entry =
            entryFromFile(folder / "every.bas", kEveryKind, {c.name, c.autostart});
        EXPECT_EQ(entry.refusal, "");
        EXPECT_EQ(entry.bytes, readText(folder / "made.tap")) << c.name;
    }
}

// Random programs over keywords, names, numbers, strings and escapes, in random case and
// spacing, from a fixed seed: zmakebas and the tokeniser give the same bytes, and Murax's listing
// of those bytes tokenises back to them.
class ProgramGenerator {
public:
    explicit ProgramGenerator(unsigned seed) : random_(seed) {}

    std::string program(unsigned lines)
    {
        std::string text;
        unsigned number = pick(0, 5);
        for (unsigned i = 0; i < lines; ++i) {
            text += std::to_string(number) + spaces() + statements() + "\n";
            number += pick(1, 40);
        }
        return text;
    }

private:
    unsigned pick(unsigned low, unsigned high)
    {
        return std::uniform_int_distribution<unsigned>(low, high)(random_);
    }
    template <std::size_t N>
    std::string oneOf(const char* const (&choices)[N])
    {
        return choices[pick(0, N - 1)];
    }
    std::string spaces() { return std::string(pick(0, 2), ' '); }
    std::string gap() { return std::string(pick(1, 2), ' '); }  // where a space is needed

    std::string keyword(std::string word)
    {
        for (char& c : word)
            if (pick(0, 2) == 0)
                c = static_cast<char>(c >= 'a' ? c - 32 : (c >= 'A' && c <= 'Z' ? c + 32 : c));
        return word;
    }

    std::string number()
    {
        const unsigned digits = pick(1, 9);
        std::string text;
        for (unsigned i = 0; i < digits; ++i)
            text += static_cast<char>('0' + pick(0, 9));
        switch (pick(0, 5)) {
        case 0:
            text.insert(pick(0, digits), ".");
            break;
        case 1:
            text += (pick(0, 1) ? "e" : "E") + std::string(pick(0, 1) ? "-" : "") +
                    std::to_string(pick(0, 20));
            break;
        case 2:
            text = "." + text;
            break;
        default:
            break;
        }
        return text;
    }

    std::string string()
    {
        static const char* const pieces[] = {"a",
                                             "Z",
                                             "9",
                                             " ",
                                             "  ",
                                             ",",
                                             "!",
                                             "\\a",
                                             "\\U",
                                             "\\::",
                                             "\\ .",
                                             "\\'.",
                                             "\\*",
                                             "\\\\",
                                             "`",
                                             "\\{16}\\{3}",
                                             "\\{22}\\{1}\\{34}",
                                             "@",
                                             "\"\"",
                                             "print",
                                             "$"};
        std::string text = "\"";
        for (unsigned i = pick(0, 8); i > 0; --i)
            text += oneOf(pieces);
        return text + "\"";
    }

    std::string term(unsigned depth)
    {
        static const char* const names[] = {"a", "b", "x", "n1", "total", "k9", "z", "a$(2)"};
        static const char* const functions[] = {"sin", "cos", "int", "abs", "sqr", "peek",
                                                "sgn", "not", "usr", "ln",  "exp"};
        switch (depth > 2 ? pick(0, 1) : pick(0, 5)) {
        case 0:
            return number();
        case 1:
            return oneOf(names);
        case 2:
            return keyword(oneOf(functions)) + gap() + term(depth + 1);
        case 3:
            return "(" + spaces() + expression(depth + 1) + spaces() + ")";
        case 4:
            return keyword("bin") + gap() + (pick(0, 1) ? "1011" : "0");
        default:
            return keyword(pick(0, 1) ? "rnd" : "pi");
        }
    }

    std::string expression(unsigned depth = 0)
    {
        static const char* const operators[] = {"+", "-",  "*",  "/",  "=", "<",
                                                ">", "<=", ">=", "<>", "^"};
        std::string text = term(depth);
        for (unsigned i = pick(0, 2); i > 0; --i)
            text += spaces() + oneOf(operators) + spaces() + term(depth);
        return text;
    }

    std::string statement()
    {
        switch (pick(0, 9)) {
        case 0:
            return keyword("print") + gap() + expression() + spaces() + ";" + spaces() + string();
        case 1:
            return keyword("let") + gap() + "v=" + expression();
        case 2:
            return keyword("if") + gap() + expression() + gap() + keyword("then") + gap() +
                   keyword(pick(0, 1) ? "goto" : "go to") + spaces() + number();
        case 3:
            return keyword("for") + gap() + "i=" + expression() + gap() + keyword("to") + gap() +
                   expression() + gap() + keyword("step") + gap() + number();
        case 4:
            return keyword(pick(0, 1) ? "gosub" : "go sub") + spaces() + number();
        case 5:
            return keyword("poke") + gap() + expression() + "," + expression();
        case 6:
            return keyword("data") + gap() + number() + "," + string();
        case 7:
            return keyword("border") + gap() + number() + ":" + keyword("cls");
        case 8:
            return keyword("plot") + gap() + keyword("ink") + gap() + number() + ";" + number() +
                   "," + number();
        default:
            return keyword("beep") + gap() + expression() + "," + expression();
        }
    }

    std::string statements()
    {
        std::string text = statement();
        for (unsigned i = pick(0, 3); i > 0; --i)
            text += spaces() + ":" + spaces() + statement();
        if (pick(0, 5) == 0)
            text += ":" + keyword("rem") + " " + string() + " 12 print" + spaces();
        return text;
    }

    std::mt19937 random_;
};

TEST(BasicTokeniserOracle, GeneratedProgramsAgreeWithZmakebasAndListBackToTheirBytes)
{
    SKIP_WITHOUT_ZMAKEBAS();
    ScratchFolder folder;
    ProgramGenerator generator(20261209);
    for (int i = 0; i < 40; ++i) {
        const std::string listing = generator.program(40);
        const std::string theirs = zmakebasProgram(folder, listing);
        ASSERT_EQ(tokenised(listing), theirs) << listing;
        const std::string listed = murax_listing(theirs);
        ASSERT_EQ(tokenised(listed), theirs) << listed;
    }
}

// The listing of everything zmakebas makes of kEveryKind tokenises back to it, and zmakebas
// reads Murax's listing too (which prints the pound and copyright signs as themselves, in UTF-8,
// where zmakebas wants ` and \*: the listing here has neither).
TEST(BasicTokeniserOracle, ListingOfZmakebasProgramReadsBackInBoth)
{
    SKIP_WITHOUT_ZMAKEBAS();
    ScratchFolder folder;
    std::string listing = kEveryKind;
    for (const std::string sign : {"`", "\\*"})
        listing.erase(listing.find(sign), sign.size());
    const std::string theirs = zmakebasProgram(folder, listing);
    const std::string listed = murax_listing(theirs);
    EXPECT_EQ(tokenised(listed), theirs) << listed;
    EXPECT_EQ(zmakebasProgram(folder, listed), theirs) << listed;
}

}  // namespace
}  // namespace murax::testing
