// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entry decoders against tools we did not write: BASIC listings against fuse-emulator-utils'
// listbasic on programs that zmakebas makes, and the checks' verdicts against tzxlist's on
// tapes with damaged checksums and flags. Tests whose tools are missing are skipped.

#include <gtest/gtest.h>

#include <sstream>

#include "tape/format/entry_bytes.h"
#include "tape/format/entry_checks.h"
#include "tape/format/header_fields.h"
#include "tape/inspect/basic_listing.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tests/realtapes/oracle_tools.h"
#include "tests/realtapes/tzxlist_listing.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax::testing {
namespace {

// Every keyword of the 48K and the 128K's SPECTRUM and PLAY, numbers of every form, and colour
// and position codes inside a string (zmakebas writes \{n} as the byte n).
const char* const kEveryKeyword =
    R"(10 PRINT RND;INKEY$;PI;FN a(1);POINT (1,2);SCREEN$ (1,2);ATTR (1,2);AT 1,2;TAB 3;VAL$ "1";CODE "a";VAL "2";LEN "abc"
20 LET a=SIN 1+COS 2+TAN 3+ASN 0.5+ACS 0.25+ATN 1+LN 2+EXP 1+INT 2.5+SQR 4+SGN -1+ABS -2+PEEK 23635+IN 254+USR 0
30 LET b$=STR$ 1+CHR$ 65: IF NOT a OR b AND c<=d THEN LET e=BIN 101
40 IF a>=b THEN IF a<>b THEN GO TO 10
50 FOR i=1 TO 10 STEP 2: NEXT i
60 DEF FN a(x)=x*2: CAT : FORMAT "a": MOVE "a","b": ERASE "a"
70 OPEN #4,"s": CLOSE #4: MERGE "x": VERIFY "x": BEEP 1,2: CIRCLE 1,2,3
80 INK 1: PAPER 2: FLASH 0: BRIGHT 1: INVERSE 0: OVER 1: OUT 254,0
90 LPRINT "x": LLIST : STOP : READ a: DATA 1,2: RESTORE : NEW
100 BORDER 1: CONTINUE : DIM c(5): GO SUB 200: INPUT a
110 LOAD "x": LIST : PAUSE 50: POKE 23000,1: PLOT 1,2: RUN : SAVE "x" LINE 10
120 RANDOMIZE 1: CLS : DRAW 1,2: CLEAR 32000: RETURN : COPY
130 SPECTRUM : PLAY "abc"
140 PRINT "\{16}\{2}red\{17}\{6}paper\{22}\{1}\{2}at\{23}\{5}\{0}tab";12345.678;-0.001;1e10;65536;0
9999 REM last line
)";

// Variables as the Spectrum stores them after the program: a = 42, b$ = "hi", the end marker.
const std::string kVariables = std::string(
    "\x61\x00\x00\x2A\x00\x00"
    "\x42\x02\x00hi"
    "\x80",
    12);

// Spacing may differ between two listings, never the keywords or numbers; colour and position
// codes, which listbasic leaves out, are shown by the decoder as escapes, \{n}.
std::string normalised(std::string line)
{
    std::string out;
    bool inCode = false;
    for (const char c : line) {
        if (c == '{')
            inCode = true;
        else if (c == '}')
            inCode = false;
        else if (!inCode && c != ' ' && c != '\\')
            out += c;
    }
    return out;
}

// The program entry with the variables added after the program: the data block and the
// header's data length grow, the program length (parameter 2) stays.
std::string withVariables(const std::string& entry)
{
    const auto header = decodeHeader(entry);
    const std::string data = std::string(entryData(entry)) + kVariables;
    return headerBlock(0, header->name, static_cast<unsigned>(data.size()), header->parameter1,
                       header->parameter2) +
           dataBlock(data);
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            out.push_back(line);
    return out;
}

TEST(DecoderOracles, BasicListingAgreesWithListbasic)
{
    if (const std::string missing = firstMissingTool({"zmakebas", "listbasic"}); !missing.empty())
        MURAX_MISSING_TOOL(missing);
    ScratchFolder folder;
    writeText(folder / "all.bas", kEveryKeyword);
    int status = 0;
    runCommand(
        "zmakebas -a 130 -n all -o '" + folder / "made.tap" + "' '" + folder / "all.bas" + "'",
        status);
    ASSERT_EQ(status, 0);
    BlockList list;
    splitIntoEntries(readText(folder / "made.tap"), list);
    ASSERT_EQ(list.count(), 1u);
    const std::string entry = withVariables(list.entries()[0]);
    writeText(folder / "tape.tap", entry);

    const std::vector<std::string> theirs =
        lines(runCommand("listbasic '" + folder / "tape.tap" + "'", status));
    ASSERT_EQ(status, 0);
    const auto header = decodeHeader(entry);
    const BasicListing listing =
        listBasic(entryData(entry), header->parameter2, autostartLine(*header));
    const std::vector<std::string> ours = basicListingText(listing);

    ASSERT_EQ(theirs.size(), listing.lines.size());
    for (std::size_t i = 0; i < theirs.size(); ++i)
        EXPECT_EQ(normalised(ours[i + 1]), normalised(theirs[i])) << ours[i + 1] << "\n"
                                                                  << theirs[i];
    EXPECT_EQ(ours.front(), "# Autostart: line 130");
    EXPECT_EQ(listing.variablesLength, kVariables.size());
    EXPECT_EQ(
        std::vector<std::string>(ours.end() - 3, ours.end()),
        (std::vector<std::string>{"# Variables area: 12 bytes", "#   a = 42", "#   b$ = \"hi\""}));
    // The codes that listbasic leaves out, as the decoder shows them.
    EXPECT_NE(ours[14].find(R"("\{16}\{2}red\{17}\{6}paper\{22}\{1}\{2}at\{23}\{5}\{0}tab")"),
              std::string::npos);
}

// A tape of sound blocks and its damaged copies: a header's and a data block's checksum byte
// flipped, a header whose flag byte is not 0x00 and a data block whose flag is not 0xFF.
struct Damage {
    const char* name;
    std::size_t offset;
    unsigned char xorWith;
    const char* columns;  // the verdict column of each entry
};

TEST(DecoderOracles, VerdictsAgreeWithTzxlist)
{
    if (!toolInstalled("tzxlist"))
        MURAX_MISSING_TOOL("tzxlist (fuse-emulator-utils)");
    const std::string sound = headerBlock(3, "code", 4, 32768, 0) + dataBlock("\x01\x02\x03\x04") +
                              headerBlock(0, "prog", 2, 10, 2) + dataBlock("ab");
    const Damage damages[] = {
        {"sound", 0, 0, "ok; ok; "},
        {"header checksum", 20, 0x01, "header checksum; ok; "},
        {"data checksum", 21 + 7, 0x80, "data checksum; ok; "},
        // 0xFE: the data block's flag is wrong and, unchanged, its checksum no longer sums it.
        {"data flag", 21 + 2, 0x01, "data flag 0xFE, data checksum; ok; "},
        // The second header's flag 0x80: no header any more, but two lone blocks.
        {"header flag", 29 + 2, 0x80, "ok; data flag 0x80, data checksum; ok; "},
    };
    ScratchFolder folder;
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        std::string tape = sound;
        tape[damage.offset] = static_cast<char>(tape[damage.offset] ^ damage.xorWith);
        writeText(folder / "tape.tap", tape);
        int status = 0;
        const std::vector<ListedBlock> blocks =
            parseTzxlist(runCommand("tzxlist '" + folder / "tape.tap" + "' 2>&1", status));
        ASSERT_EQ(status, 0);

        BlockList list;
        splitIntoEntries(tape, list);
        std::size_t b = 0;
        for (const std::string& entry : list.entries()) {
            const EntryFacts facts = factsOfEntry(entry);
            std::vector<const BlockFacts*> ourBlocks = {&facts.first};
            if (facts.second)
                ourBlocks.push_back(&*facts.second);
            // The checksum verdicts come block by block, the header's first.
            std::vector<bool> checksumVerdicts;
            for (const Verdict& verdict : entryVerdicts(facts)) {
                if (verdict.kind == CheckKind::Checksum)
                    checksumVerdicts.push_back(verdict.passed);
            }
            ASSERT_EQ(checksumVerdicts.size(), ourBlocks.size());
            for (std::size_t i = 0; i < ourBlocks.size(); ++i, ++b) {
                ASSERT_LT(b, blocks.size());
                const BlockFacts& ours = *ourBlocks[i];
                // tzxlist decodes a header where the decoders see a header block with flag 0x00.
                EXPECT_EQ(blocks[b].header, i == 0 && facts.header && ours.flag == 0u)
                    << "block " << b;
                // tzxlist shows the checksum it computes, and whether the stored one matches it.
                EXPECT_EQ(blocks[b].checksum, static_cast<int>(ours.computedChecksum));
                EXPECT_EQ(blocks[b].checksumPassed, checksumVerdicts[i]) << "block " << b;
            }
        }
        EXPECT_EQ(b, blocks.size());
        std::string columns;
        for (const std::string& entry : list.entries())
            columns += verdictColumn(entryVerdicts(factsOfEntry(entry))) + "; ";
        EXPECT_EQ(columns, damage.columns);
    }
}

}  // namespace
}  // namespace murax::testing
