// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/program_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "seam/error_handler.h"
#include "tests/support/helpers/error_handler_fixture.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax::testing {
namespace {

namespace fs = std::filesystem;

// The run as every face starts it, with the fake desktop answering and a window that is a
// function of the test's; in a scratch folder that is also the current directory and holds the
// TEMP folder, so that the start-up clean-up touches nothing of other runs.
class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        setProgramTerminator([](int status) { throw ProgramEnded{status}; });
    }
    void TearDown() override
    {
        setProgramTerminator(nullptr);
        installErrorHandler(nullptr);
    }

    void write(const std::string& name, const std::string& bytes)
    {
        writeText(scratch.path() / name, bytes);
    }
    std::string read(const std::string& name) { return readText(scratch.path() / name); }

    ScratchFolder scratch;
    CurrentDirectory here{scratch.path()};
    const fs::path temp = scratch.path() / "temp";
    const bool tempMade = fs::create_directory(temp);
    EnvironmentVariable tempVariable{"TEMP", temp.string()};
    FakeDesktop fake;
    AppContext app{fake};
    const std::string tape = header(0, "keep") + data("x") + lone(2);
};

TEST_F(ProgramRun, ACancelledOpenDialogEndsWithoutAWindow)
{
    int windows = 0;
    EXPECT_EQ(runEditor(app, nullptr, [&](BlockList&) { ++windows; }), 0);
    EXPECT_EQ(windows, 0);
    EXPECT_EQ(fake.events, std::vector<std::string>{"open: Select a TAP file to open"});
}

// The window gets the tape named without its extension; its edits are offered for saving once
// it has closed, and the answer decides what the file holds.
TEST_F(ProgramRun, TheWindowShowsTheTapeAndItsEditsAreOfferedAfterwards)
{
    const struct {
        int answer;
        std::string fileAfter;
    } cases[] = {{Desktop::Yes, lone(2)}, {Desktop::No, tape}};
    for (const auto& c : cases) {
        write("game.tap", tape);
        fake = FakeDesktop();
        fake.messageAnswers = {c.answer};
        const std::string argument = "game";
        std::size_t messagesInWindow = 99;
        runEditor(app, &argument, [&](BlockList& list) {
            EXPECT_EQ(joinEntries(list), tape);
            EXPECT_EQ(fs::path(list.currentFile), scratch.path() / "game.tap");
            list.removeSelection({0});
            messagesInWindow = fake.messages.size();
        });
        EXPECT_EQ(messagesInWindow, 0u);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, "TAP has been changed. Save it?");
        EXPECT_EQ(fake.messages[0].kind, 4);
        EXPECT_EQ(read("game.tap"), c.fileAfter) << "answer " << c.answer;
    }
}

// The handler speaks through the run's desktop while the run lasts, and is gone afterwards: it
// must not outlive the context it speaks through.
TEST_F(ProgramRun, TheErrorHandlerLastsAsLongAsTheRun)
{
    write("game.tap", tape);
    const std::string argument = "game.tap";
    runEditor(app, &argument, [&](BlockList&) {
        EXPECT_THROW(raiseError(record(gencode::Open, 2, "gone.tap")), CommandAbandoned);
    });
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Impossibile aprire il file GONE.TAP.");

    fake.messages.clear();
    EXPECT_THROW(raiseError(record(gencode::Open, 2, "gone.tap")), CommandAbandoned);
    EXPECT_TRUE(fake.messages.empty());
}

// A failure that ends the program in the middle of the window keeps the unsaved edits in a
// recovery file beside the tape, and the report names it.
TEST_F(ProgramRun, AFatalErrorKeepsTheUnsavedEditsFirst)
{
    write("game.tap", tape);
    const std::string argument = "game.tap";
    EXPECT_THROW(runEditor(app, &argument,
                           [&](BlockList& list) {
                               list.removeSelection({1});
                               raiseError(record(0));
                           }),
                 ProgramEnded);
    EXPECT_EQ(read("game.tap"), tape);
    EXPECT_EQ(read("game.recovered.tap"), header(0, "keep") + data("x"));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("Le modifiche non salvate sono state scritte nel file " +
                                         (scratch.path() / "game.recovered.tap").string() + "."),
              std::string::npos);
}

// What earlier runs left behind, here and as folders in TEMP, goes at the start; the index files
// go at the end.
TEST_F(ProgramRun, TheCleanUpsRunBeforeAndAfter)
{
    ASSERT_TRUE(tempMade);
    write("game.tap", tape);
    write("\x7Fold", "left by a run that was killed");
    fs::create_directory(temp / "\x7Fold");
    write("temp/\x7Fold/scratch", "left in TEMP");
    const std::string argument = "game.tap";
    bool oldGoneInWindow = false;
    bool oldGoneFromTemp = false;
    runEditor(app, &argument, [&](BlockList&) {
        oldGoneInWindow = !fs::exists(scratch.path() / "\x7Fold");
        oldGoneFromTemp = !fs::exists(temp / "\x7Fold");
        write("\x7FVIEW1.NTX", "an index");
    });
    EXPECT_TRUE(oldGoneInWindow);
    EXPECT_TRUE(oldGoneFromTemp);
    EXPECT_FALSE(fs::exists(scratch.path() / "\x7FVIEW1.NTX"));
    EXPECT_TRUE(fs::exists(scratch.path() / "game.tap"));
}

}  // namespace
}  // namespace murax::testing
