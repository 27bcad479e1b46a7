// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tapes made by tools we did not write (Debian's zmakebas, pasmo and fuse-emulator-utils'
// tapeconv), loaded by the editor's own start-up load and Open and saved by its own Save: what the
// lines show must agree with what fuse-emulator-utils' tzxlist reads in the same file, and Open
// then Save must give the file back byte for byte. Edits made in the editor must leave a tape
// that tzxlist reads with every checksum sound.

#include <gtest/gtest.h>

#include <filesystem>

#include "tape/commands/add_command.h"
#include "tape/commands/delete_command.h"
#include "tape/commands/move_commands.h"
#include "tape/commands/open_commands.h"
#include "tape/commands/rename_command.h"
#include "tape/commands/save_commands.h"
#include "tape/model/change_detection.h"
#include "tests/realtapes/oracle_tools.h"
#include "tests/realtapes/tool_recipes.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {

namespace {

// The command tests' scratch folder and fakes, where no runtime error is expected.
class ToolTapes : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        if (!toolInstalled("tzxlist"))
            MURAX_MISSING_TOOL("tzxlist (fuse-emulator-utils)");
    }

    void TearDown() override
    {
        for (const ErrorRecord& error : errors)
            ADD_FAILURE() << "unexpected runtime error on " << error.FILENAME;
        CommandTest::TearDown();
    }

    // Makes tape.tap with the recipe; false (and the test to be skipped) when a tool is missing.
    bool make(const Recipe& recipe)
    {
        missingTool_ = missingTool(recipe);
        if (!missingTool_.empty())
            return false;
        const std::string failure = makeTape(recipe);
        EXPECT_EQ(failure, "");
        return failure.empty();
    }

    std::vector<ListedBlock> tzxlist(const std::string& file)
    {
        std::string problem;
        std::vector<ListedBlock> blocks = tzxlistBlocks(file, problem);
        EXPECT_EQ(problem, "");
        return blocks;
    }

    void expectListAgreesWithTzxlist(const std::string& file)
    {
        EXPECT_EQ(disagreementWithTzxlist(list, tzxlist(file)), "");
    }

    std::string missingTool_;
};

class EachToolTape : public ToolTapes, public ::testing::WithParamInterface<Recipe> {};

TEST_P(EachToolTape, LinesAgreeWithTzxlistAndOpenThenSaveGivesTheFileBack)
{
    if (!make(GetParam()))
        MURAX_MISSING_TOOL(missingTool_);
    const std::string original = read(path("tape.tap"));
    ASSERT_FALSE(original.empty());
    if (GetParam().lastByte != 0) {
        ASSERT_EQ(original.back(), GetParam().lastByte) << "the tape no longer ends as it should";
    }

    // The start-up load, given the name without its extension as on the command line.
    const std::string argument = "tape";
    ASSERT_TRUE(startupLoad(app, &argument, list));
    EXPECT_EQ(list.currentFile, path("tape.tap"));
    expectListAgreesWithTzxlist(path("tape.tap"));
    const DisplayLines loaded = list.lines();

    fake.saveAnswers = {"copy"};
    SALVA(window, list, true);
    EXPECT_EQ(read(path("copy.tap")), original);
    EXPECT_EQ(list.currentFile, path("copy.tap"));
    SALVA(window, list, false);
    EXPECT_EQ(read(path("copy.tap")), original);
    EXPECT_FALSE(CAMBIATO(list));

    // The Open command, from another tape, reads it as the start-up load did.
    open("start.tap", tapeOf({9}), {1}, 1);
    fake.openAnswers = {"tape"};
    APRI(window, list);
    EXPECT_EQ(list.currentFile, path("tape.tap"));
    EXPECT_EQ(list.lines(), loaded);
    fake.saveAnswers = {"opened"};
    SALVA(window, list, true);
    EXPECT_EQ(read(path("opened.tap")), original);
    EXPECT_FALSE(CAMBIATO(list));
    EXPECT_TRUE(fake.messages.empty()) << fake.messages.front().text;
}

INSTANTIATE_TEST_SUITE_P(Tools, EachToolTape, ::testing::ValuesIn(recipes()),
                         [](const auto& info) { return std::string(info.param.name); });

// Edits made in the editor leave a tape that another program reads block for block, every
// checksum still right: entries moved, deleted and inserted keep their blocks whole.
TEST_F(ToolTapes, EditedTapeReadsBackInTzxlistInTheNewOrder)
{
    if (!make(recipeNamed("pasmo_code_ending_in_0x1a")))
        MURAX_MISSING_TOOL(missingTool_);
    std::filesystem::rename(path("tape.tap"), path("more.tap"));
    if (!make(recipeNamed("several_tools_joined")))
        MURAX_MISSING_TOOL(missingTool_);
    const std::string argument = path("tape.tap");
    ASSERT_TRUE(startupLoad(app, &argument, list));
    ASSERT_EQ(list.count(), 4u);
    const DisplayLines loaded = list.lines();

    window.list.setState(list.lines(), {3}, 3);
    SPOSTASU(window, list);
    window.list.setState(list.lines(), {1}, 1);
    fake.messageAnswers = {Desktop::Yes};
    ELIMINA(window, list);
    fake.openAnswers = {"more"};
    AGGIUNGI(window, list, true);
    fake.saveAnswers = {"edited"};
    SALVA(window, list, true);

    ASSERT_EQ(list.count(), 4u);
    EXPECT_EQ(list.lines()[0].substr(0, 10), "code      ");
    EXPECT_EQ(list.lines()[1], loaded[2]);
    EXPECT_EQ(list.lines()[2], loaded[1]);
    EXPECT_EQ(list.lines()[3], loaded[3]);
    const std::vector<ListedBlock> blocks = tzxlist(path("edited.tap"));
    ASSERT_EQ(blocks.size(), 8u);
    EXPECT_EQ(blocks[0].name, "code      ");
    expectListAgreesWithTzxlist(path("edited.tap"));
}

// A renamed header gets a checksum that another program accepts.
TEST_F(ToolTapes, RenamedHeaderReadsBackInTzxlistWithSoundChecksums)
{
    if (!make(recipeNamed("several_tools_joined")))
        MURAX_MISSING_TOOL(missingTool_);
    const std::string argument = "tape.tap";
    ASSERT_TRUE(startupLoad(app, &argument, list));
    window.list.setState(list.lines(), {4}, 4);
    window.nameAnswers.push_back("renamed");
    MODIFICA(window, list);
    SALVA(window, list, false);

    const std::vector<ListedBlock> blocks = tzxlist(path("tape.tap"));
    ASSERT_EQ(blocks.size(), 8u);
    EXPECT_EQ(blocks[6].name, "renamed   ");
    EXPECT_EQ(blocks[6].parameter1, 32768);
    expectListAgreesWithTzxlist(path("tape.tap"));
}

}  // namespace
}  // namespace murax::testing
