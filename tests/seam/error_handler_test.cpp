// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/error_handler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <utility>

#include "seam/command_dispatch.h"
#include "support/ascii_case.h"
#include "support/native_path.h"
#include "support/platform/file_io.h"
#include "tests/support/helpers/error_handler_fixture.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/unnamed_file_failure.h"

namespace murax {
namespace {

using testing::ErrorHandlerTest;
using testing::ProgramEnded;
using testing::record;

TEST_F(ErrorHandlerTest, ShortMessagesAbandonTheCommandInTableOrder)
{
    struct Row {
        ErrorRecord record;
        std::string message;
    };
    auto subcode = [](ErrorRecord r, int code) {
        r.SUBCODE = code;
        return r;
    };
    const std::string f = "/tapes/game.tap", F = "/TAPES/GAME.TAP";
    const Row rows[] = {
        {record(0, 21, f), "Disco " + F + " non pronto."},
        {subcode(record(0, 21, f), kDiskFullSubcode), "Disco " + F + " non pronto."},
        {record(0, 27, f), "Disco " + F + " non formattato."},
        {record(0, 31, f), "Disco " + F + " non formattato."},
        {record(0, 19, f), "Disco " + F + " protetto da scrittura."},
        {record(0, 82, f), "Directory " + F + " piena."},
        {subcode(record(gencode::Write, 5, f), kDiskFullSubcode),
         "Spazio sul disco " + F + " insufficiente."},
        {record(gencode::Open, 5, f), "Impossibile accedere al file " + F + "."},
        {record(gencode::Open, 3, f), "Percorso " + F + " non trovato."},
        {record(gencode::Open, 2, f), "Impossibile aprire il file " + F + "."},
        {subcode(record(gencode::Corruption, 2, f), 0), "Impossibile aprire il file " + F + "."},
        {subcode(record(0, 0, f), kCorruptFileSubcode), "Il file " + F + " risulta corrotto."},
        {record(gencode::Corruption, 0, f), "Il file " + F + " risulta corrotto."},
        // A message row wins over the quiet rows below it.
        {record(gencode::ZeroDivision, 3, f), "Percorso " + F + " non trovato."},
        {record(0, 21), "Disco  non pronto."},
    };
    for (const Row& row : rows) {
        fake.events.clear();
        EXPECT_EQ(outcome(row.record), "abandoned") << row.message;
        EXPECT_EQ(fake.events, (std::vector<std::string>{"message 1: " + row.message, "refresh"}));
    }
    EXPECT_TRUE(endings.empty());
    EXPECT_FALSE(networkErrorFlag());
}

TEST_F(ErrorHandlerTest, ShowOnlyRecordsShowTheWholeReport)
{
    ErrorRecord r = record(gencode::ShowOnly);
    r.SUBCODE = 7;
    r.DESCRIPTION = "Window error";
    r.OPERATION = "DIALOG";
    r.function = "MAIN";
    r.line = 12;
    EXPECT_EQ(outcome(r), "abandoned");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "Error BASE/7  Window error: DIALOG\r\nFunction: MAIN  Line: 12");
    EXPECT_EQ(fake.messages[0].kind, 1);
}

TEST_F(ErrorHandlerTest, FileNamesAreUpperCasedOnlyInAscii)
{
    outcome(record(gencode::Open, 2, "/nastri/gioco \xC3\xA8 \xC3\xA5.tap"));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "Impossibile aprire il file /NASTRI/GIOCO \xC3\xA8 \xC3\xA5.TAP.");
}

TEST_F(ErrorHandlerTest, QuietRowsShowNothing)
{
    EXPECT_EQ(outcome(record(gencode::ZeroDivision)), "zero");
    EXPECT_FALSE(networkErrorFlag());

    ErrorRecord sharing = record(gencode::Open, 32, "/tapes/a.tap");
    sharing.CANDEFAULT = true;
    EXPECT_EQ(outcome(sharing), "false");
    EXPECT_TRUE(networkErrorFlag());

    resetNetworkErrorFlag();
    ErrorRecord lock = record(gencode::AppendLock);
    lock.CANDEFAULT = true;
    EXPECT_EQ(outcome(lock), "false");
    EXPECT_TRUE(networkErrorFlag());

    EXPECT_TRUE(fake.events.empty());
    EXPECT_TRUE(endings.empty());
}

TEST_F(ErrorHandlerTest, AccessDeniedOpenIsNotQuietEvenWhenItMayDefault)
{
    ErrorRecord r = record(gencode::Open, 5, "a.tap");
    r.CANDEFAULT = true;
    EXPECT_EQ(outcome(r), "abandoned");
    EXPECT_EQ(fake.messages.at(0).text, "Impossibile accedere al file A.TAP.");
    EXPECT_FALSE(networkErrorFlag());
}

TEST_F(ErrorHandlerTest, WithoutCanDefaultSharingAndLockFailuresEndTheProgram)
{
    EXPECT_EQ(outcome(record(gencode::Open, 32, "a.tap")), "ended");
    EXPECT_EQ(outcome(record(gencode::AppendLock)), "ended");
    EXPECT_EQ(endings, (std::vector<int>{0, 0}));
    EXPECT_FALSE(networkErrorFlag());
}

TEST(ErrorMessage, BuildsTheTwoReportLines)
{
    ErrorRecord r;
    r.SEVERITY = 2;
    r.SUBSYSTEM = "BASE";
    r.SUBCODE = 1111;
    r.DESCRIPTION = "Argument error";
    r.OPERATION = "LEN";
    r.function = "CAMBIATO";
    r.line = 7;
    EXPECT_EQ(ERRORMESSAGE(r), "Error BASE/1111  Argument error: LEN;Function: CAMBIATO  Line: 7");

    // The file name is preferred to the operation.
    r.FILENAME = "/tapes/x.tap";
    EXPECT_EQ(ERRORMESSAGE(r),
              "Error BASE/1111  Argument error: /tapes/x.tap;Function: CAMBIATO  Line: 7");

    ErrorRecord bare;
    bare.SEVERITY = 1;
    EXPECT_EQ(ERRORMESSAGE(bare),
              "Warning ???"
              "/???;Function:   Line: 0");
    bare.SEVERITY = 0;
    bare.SUBCODE = -3;
    bare.OPERATION = "FOPEN";
    EXPECT_EQ(ERRORMESSAGE(bare),
              "Warning ???"
              "/-3: FOPEN;Function:   Line: 0");
    bare.SEVERITY = 3;
    bare.DESCRIPTION = "";
    EXPECT_EQ(ERRORMESSAGE(bare),
              "Error ???"
              "/-3  : FOPEN;Function:   Line: 0");
}

TEST_F(ErrorHandlerTest, ReportOfferedByMailThenTheProgramEnds)
{
    ErrorRecord r = record(0);
    r.SEVERITY = 1;  // a warning that fits no other row still ends the program
    r.DESCRIPTION = "Odd; very & odd";
    r.OPERATION = "FREAD";
    r.function = "SALVA";
    r.line = 42;
    EXPECT_EQ(outcome(r), "ended");

    const std::string shown =
        "Warning BASE/???  Odd\r\n very & odd: FREAD\r\nFunction: SALVA  Line: 42"
        "\r\n\r\nInviare rapporto di errore via email?";
    EXPECT_EQ(fake.events, (std::vector<std::string>{"beep", "message 2: " + shown, "refresh",
                                                     "run: " + fake.opened.at(0)}));
    EXPECT_EQ(fake.opened.at(0),
              "mailto:?subject=Rapporto di errore&body=Applicazione: /usr/bin/murax%0d%0a%0d%0a"
              "Warning BASE/???  Odd%0d%0a very %26 odd: FREAD%0d%0aFunction: SALVA  Line: 42");
    EXPECT_EQ(endings, (std::vector<int>{0}));
}

TEST_F(ErrorHandlerTest, CancelEndsTheProgramWithoutMail)
{
    fake.messageAnswers.push_back(Desktop::Cancel);
    EXPECT_EQ(outcome(record(0)), "ended");
    EXPECT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.opened.empty());
    EXPECT_EQ(endings, (std::vector<int>{0}));
}

TEST_F(ErrorHandlerTest, RecoveredEditsAreNamedBetweenReportAndQuestion)
{
    int calls = 0;
    setRecoveryHook([&] {
        ++calls;
        return std::string("/tapes/game.recovered.tap");
    });
    ErrorRecord r = record(gencode::Memory);
    r.DESCRIPTION = "Memoria insufficiente";
    fake.messageAnswers.push_back(Desktop::Ok);
    EXPECT_EQ(outcome(r), "ended");
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "Error BASE/???  Memoria insufficiente\r\nFunction:   Line: 0\r\n"
              "Le modifiche non salvate sono state scritte nel file "
              "/tapes/game.recovered.tap.\r\n\r\nInviare rapporto di errore via email?");
    // The mail carries the report alone.
    EXPECT_EQ(fake.opened.at(0).find("modifiche"), std::string::npos);
}

TEST_F(ErrorHandlerTest, NothingRecoveredAddsNoLine)
{
    setRecoveryHook([] { return std::string(); });
    outcome(record(0));
    EXPECT_EQ(fake.messages.at(0).text.find("modifiche"), std::string::npos);
}

TEST_F(ErrorHandlerTest, FailingRecoveryStillEndsWithTheReport)
{
    setRecoveryHook([]() -> std::string { throw std::runtime_error("disk gone"); });
    EXPECT_EQ(outcome(record(0)), "ended");
    EXPECT_EQ(fake.messages.size(), 1u);

    // A recovery that itself raises a record is abandoned, and the report goes on.
    fake.messages.clear();
    setRecoveryHook([] {
        raiseError(record(gencode::Write, 5, "/tapes/game.recovered.tap"));
        return std::string("never");
    });
    ERRORSYS(app);
    EXPECT_EQ(outcome(record(0)), "ended");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("Inviare rapporto"), std::string::npos);
    EXPECT_EQ(fake.messages[0].text.find("never"), std::string::npos);
    EXPECT_EQ(endings, (std::vector<int>{0, 0}));
}

TEST_F(ErrorHandlerTest, RecordRaisedWhileHandlingIsNotHandledTwice)
{
    ERRORSYS(app);
    int recoveries = 0;
    setRecoveryHook([&] {
        ++recoveries;
        return std::string();
    });

    // A quiet record raised meanwhile just gets its default.
    ErrorResult nested = ErrorResult::False;
    fake.whileBoxIsOpen = [&] { nested = raiseError(record(gencode::ZeroDivision)); };
    EXPECT_EQ(outcome(record(gencode::Open, 2, "a.tap")), "abandoned");
    EXPECT_EQ(nested, ErrorResult::Zero);
    EXPECT_EQ(fake.messages.size(), 1u);

    // Any other ends the program at once, edits recovered, with no second box.
    fake.messages.clear();
    fake.whileBoxIsOpen = [] { raiseError(record(gencode::Open, 2, "b.tap")); };
    EXPECT_EQ(outcome(record(gencode::Open, 2, "a.tap")), "ended");
    EXPECT_EQ(fake.messages.size(), 0u);
    EXPECT_EQ(recoveries, 1);
    EXPECT_EQ(endings, (std::vector<int>{0}));

    // Afterwards the handler answers normally again.
    fake.messages.clear();
    EXPECT_EQ(outcome(record(gencode::Open, 2, "c.tap")), "abandoned");
    EXPECT_EQ(fake.messages.size(), 1u);
}

TEST_F(ErrorHandlerTest, ErrorsysInstallsTheHandler)
{
    ERRORSYS(app);
    EXPECT_EQ(raiseError(record(gencode::ZeroDivision)), ErrorResult::Zero);
    EXPECT_THROW(raiseError(record(gencode::Open, 2, "x")), CommandAbandoned);
    EXPECT_THROW(raiseError(record(0)), ProgramEnded);
}

TEST_F(ErrorHandlerTest, RecoveryNoticeAfterAFailedSave)
{
    tellRecoveredAfterFailedSave(app, "/tapes/game.recovered.tap");
    tellRecoveredAfterFailedSave(app, "");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "Le modifiche non salvate sono state scritte nel file /tapes/game.recovered.tap.");
    EXPECT_EQ(fake.messages[0].kind, 1);
}

TEST_F(ErrorHandlerTest, ExecutablePathDefaultsToTheRunningProgram)
{
    setExecutablePath("");
    const std::filesystem::path path = nativePath(executablePath());
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_EQ(path.stem(), "murax_core_tests");
}

// Real failures of the file layer, raised from a function of the editor's own kind, met through
// the dispatch point as a command would meet them.
unsigned lineOfRead = 0;
void loadTheTape(const std::string& path)
{
    lineOfRead = __LINE__ + 1;
    readFile(path);
    ADD_FAILURE() << "the read should have been abandoned";
}

TEST_F(ErrorHandlerTest, FileFailuresReachTheHandlerThroughTheDispatchPoint)
{
    ERRORSYS(app);
    testing::ScratchFolder scratch;

    // A folder where a file is expected: access denied, the command abandoned quietly.
    EXPECT_TRUE(dispatchCommand(app, [&] { loadTheTape(scratch.path().string()); }));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "Impossibile accedere al file " + asciiUpper(scratch.path().string()) + ".");

    // A missing folder.
    fake.messages.clear();
    EXPECT_TRUE(dispatchCommand(app, [&] { loadTheTape(scratch / "no/such.tap"); }));
    EXPECT_EQ(fake.messages.at(0).text,
              "Percorso " + asciiUpper(scratch / "no/such.tap") + " non trovato.");
    EXPECT_FALSE(app.commandRunning());

    // A failure no row names: the report, naming the function and line that called the read.
    fake.messages.clear();
    {
        const testing::UnnamedFileFailure failure(scratch.path().string());
        EXPECT_THROW(dispatchCommand(app, [&] { loadTheTape(failure.path()); }), ProgramEnded);
    }
    EXPECT_EQ(fake.messages.at(0).text.substr(0, 25), "Error BASE/???  Open erro");
    EXPECT_NE(fake.messages.at(0).text.find(
                  "\r\nFunction: loadTheTape  Line: " + std::to_string(lineOfRead) + "\r\n"),
              std::string::npos);
    EXPECT_FALSE(app.commandRunning());
}

TEST_F(ErrorHandlerTest, ExceptionEscapingACommandIsReported)
{
    ERRORSYS(app);
    const auto startedAt = std::source_location::current().line() + 1;
    EXPECT_THROW(dispatchCommand(app, [] { throw std::runtime_error("boom; & bust"); }),
                 ProgramEnded);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text.substr(0, 40), "Error BASE/???  boom\r\n & bust: command\r\n");
    // Where the command was started is the innermost place of ours known for it.
    EXPECT_NE(fake.messages[0].text.find("Function: TestBody  Line: " + std::to_string(startedAt)),
              std::string::npos);
    EXPECT_NE(fake.opened.at(0).find("boom%0d%0a %26 bust"), std::string::npos);
    EXPECT_FALSE(app.commandRunning());
}

}  // namespace
}  // namespace murax
