// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TZX tapes made by tools we did not write, and by the tests from the format's block layouts, held
// against fuse-emulator-utils: tzxlist must list the same blocks the reader finds, and the TAP
// bytes that tapeconv (or pasmo, writing both forms) makes must be the bytes the reader converts
// to, taken in by the editor's own Add.

#include <gtest/gtest.h>

#include <sstream>

#include "tape/commands/add_command.h"
#include "tape/tzx/tzx_reader.h"
#include "tests/realtapes/oracle_tools.h"
#include "tests/realtapes/tool_recipes.h"
#include "tests/tape/commands/command_fixture.h"
#include "tests/tape/tzx/tzx_builder.h"

namespace murax::testing {
namespace {

// The block IDs of tzxlist's listing, in its order.
std::vector<unsigned> tzxlistIds(const std::string& file, std::string& problem)
{
    int status = 0;
    const std::string listing = runCommand("tzxlist '" + file + "' 2>&1", status);
    problem = status == 0 ? "" : "tzxlist failed:\n" + listing;
    std::vector<unsigned> ids;
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);) {
        const auto at = line.find("Block type 0x");
        if (at != std::string::npos)
            ids.push_back(static_cast<unsigned>(std::stoul(line.substr(at + 13, 2), nullptr, 16)));
    }
    return ids;
}

class TzxOracles : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        if (const std::string tool = firstMissingTool({"tzxlist", "tapeconv"}); !tool.empty())
            MURAX_MISSING_TOOL(tool + " (fuse-emulator-utils)");
    }

    // Runs a shell command in the scratch folder; false (and the failure noted) when it fails.
    bool run(const std::string& command)
    {
        int status = 0;
        const std::string output = runCommand("(" + command + ") 2>&1", status);
        EXPECT_EQ(status, 0) << command << ": " << output;
        return status == 0;
    }

    // The reader's blocks of `file` against tzxlist's, glue blocks aside: tzxlist reads past them
    // without listing them.
    tzx::Tape readAndHoldAgainstTzxlist(const std::string& file)
    {
        const tzx::Tape tape = tzx::readTzx(read(file));
        EXPECT_FALSE(tape.malformed) << tape.malformed->what;
        std::vector<unsigned> ids;
        for (const tzx::Block& block : tape.blocks)
            if (block.id != 0x5A)
                ids.push_back(block.id);
        std::string problem;
        EXPECT_EQ(ids, tzxlistIds(file, problem));
        EXPECT_EQ(problem, "");
        return tape;
    }

    // Adds `file` to an empty list through the Add command.
    void addToEmptyList(const std::string& file)
    {
        open("main.tap", "");
        fake.openAnswers = {file};
        AGGIUNGI(window, list, false);
        EXPECT_TRUE(errors.empty());
    }
};

class EachToolTapeAsTzx : public TzxOracles, public ::testing::WithParamInterface<Recipe> {};

TEST_P(EachToolTapeAsTzx, TapeconvsTzxOfTheTapComesBackByteForByte)
{
    const Recipe& recipe = GetParam();
    if (const std::string missing = missingTool(recipe); !missing.empty())
        MURAX_MISSING_TOOL(missing);
    ASSERT_EQ(makeTape(recipe), "");
    ASSERT_TRUE(run("tapeconv tape.tap tape.tzx"));
    const std::string tap = read(path("tape.tap"));

    const tzx::Tape tape = readAndHoldAgainstTzxlist(path("tape.tzx"));
    EXPECT_EQ(tzx::tapBytes(tape), tap);

    addToEmptyList(path("tape.tzx"));
    EXPECT_EQ(joinEntries(list), tap);
    std::string problem;
    EXPECT_EQ(disagreementWithTzxlist(list, tzxlistBlocks(path("tape.tap"), problem)), "");
    EXPECT_EQ(problem, "");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("is a TZX tape: its "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Tools, EachToolTapeAsTzx, ::testing::ValuesIn(recipes()),
                         [](const auto& info) { return std::string(info.param.name); });

// pasmo writes the same program as a TAP file and as a TZX tape: the two must agree.
TEST_F(TzxOracles, PasmosTzxConvertsToPasmosTap)
{
    if (!toolInstalled("pasmo"))
        MURAX_MISSING_TOOL("pasmo");
    ASSERT_TRUE(
        run("printf '\\tORG 32768\\n\\tDEFB 0E5h\\n\\tDEFS 200,1Ah\\n' >code.asm"
            " && pasmo --tzxbas --name code code.asm code.tzx >/dev/null"
            " && pasmo --tapbas --name code code.asm code.tap >/dev/null"));
    const tzx::Tape tape = readAndHoldAgainstTzxlist(path("code.tzx"));
    EXPECT_EQ(tzx::tapBytes(tape), read(path("code.tap")));
}

// Every block ID that tzxlist reads, built from the format's layouts: tzxlist lists the blocks the
// reader finds, and tapeconv's TAP is the reader's. (This tzxlist rejects IDs 0x16, 0x17, 0x18,
// 0x26, 0x27, 0x34 and 0x40 and any unknown ID; the reader's own tests cover them.)
TEST_F(TzxOracles, EveryBlockIdListsAsTzxlistListsItAndConvertsAsTapeconvDoes)
{
    const std::string header = headerBlock(3, "every id", 3, 32768, 32768).substr(2);
    const std::string data = dataBlock("abc").substr(2);
    std::string blocks =
        standardSpeed(header) + standardSpeed(data) + turboSpeed(data) +
        idAnd(0x12, littleEndianBytes(2168, 2) + littleEndianBytes(10, 2)) +
        idAnd(0x13, '\x02' + littleEndianBytes(667, 2) + littleEndianBytes(735, 2)) +
        pureData(data) +
        idAnd(0x15, littleEndianBytes(79, 2) + littleEndianBytes(0, 2) + '\x08' +
                        littleEndianBytes(3, 3) + "\x0F\xF0\x0F") +
        // Two bits a symbol: generalised data that neither side takes in.
        generalisedData(data, {.alphabet = 4, .dataSymbols = 4 * data.size()});
    for (const std::string& block : blocksWithoutData())
        if (block[0] != '\x26' && block[0] != '\x27' && block[0] != '\x34')
            blocks += block;
    blocks += standardSpeed(data);
    write("every.tzx", tzxFile(blocks));

    const tzx::Tape tape = readAndHoldAgainstTzxlist(path("every.tzx"));
    EXPECT_EQ(tzx::countOf(tape, tzx::Fate::Entry), 5u);
    ASSERT_TRUE(run("tapeconv every.tzx every.tap"));
    EXPECT_EQ(tzx::tapBytes(tape), read(path("every.tap")));
    addToEmptyList(path("every.tzx"));
    EXPECT_EQ(joinEntries(list), read(path("every.tap")));
    EXPECT_EQ(list.count(), 4u);
}

}  // namespace
}  // namespace murax::testing
