// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QtTest>

#include "qt/block_list_view.h"
#include "qt/main_window.h"
#include "qt/program.h"
#include "qt/status_bar.h"
#include "seam/app_context.h"
#include "tape/model/block_list.h"
#include "tests/qt/main_window_watch.h"
#include "tests/qt/qt_test_support.h"
#include "tests/qt/window_test_fixture.h"
#include "window/program_run.h"

using namespace murax;

// MAIN from the argument to the exit question, with the fake desktop answering.
class ProgramTest : public QObject, public testing::WindowTest<> {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cancelledOpenDialogEndsWithoutAWindow();
    void missingFileIsReportedAndEndsWithoutAWindow();
    void tzxTapeIsRefusedUntouchedAndEndsWithoutAWindow();
    void editedTapeIsOfferedForSavingAfterTheWindowCloses();
};

void ProgramTest::initTestCase()
{
    prepareWindowTests();
}

void ProgramTest::init()
{
    beginWindowTest();
}

void ProgramTest::cleanup()
{
    endWindowTest();
}

void ProgramTest::cancelledOpenDialogEndsWithoutAWindow()
{
    testing::MainWindowWatch watch([](MainWindow& window) { window.reject(); });
    MAIN(app_, nullptr, [this](BlockList& list) { runMainWindow(app_, list); });
    QVERIFY(!watch.shown);
    QCOMPARE(fake_.events, std::vector<std::string>{"open: Select a TAP file to open"});
}

void ProgramTest::missingFileIsReportedAndEndsWithoutAWindow()
{
    testing::MainWindowWatch watch([](MainWindow& window) { window.reject(); });
    const std::string argument = "nothing-here";
    MAIN(app_, &argument, [this](BlockList& list) { runMainWindow(app_, list); });
    QVERIFY(!watch.shown);
    QCOMPARE(fake_.messages.size(), std::size_t{1});
    QCOMPARE(fake_.messages[0].kind, 1);
    const std::string expected = "File\r\n\r\n" +
                                 QDir(dir_->path()).filePath("nothing-here.tap").toStdString() +
                                 "\r\n\r\nnot found.";
    QCOMPARE(fake_.messages[0].text, expected);
}

void ProgramTest::tzxTapeIsRefusedUntouchedAndEndsWithoutAWindow()
{
    testing::MainWindowWatch watch([](MainWindow& window) { window.reject(); });
    const std::string tape = std::string("ZXTape!\x1A\x01\x14", 10) + "\x30\x04text";
    QVERIFY(testing::writeBytes(dir_->filePath("game.tzx"), tape));
    const std::string argument = "game.tzx";
    MAIN(app_, &argument, [this](BlockList& list) { runMainWindow(app_, list); });
    QVERIFY(!watch.shown);
    QCOMPARE(fake_.messages.size(), std::size_t{1});
    QVERIFY(fake_.messages[0].text.find("is a TZX tape, not a TAP file.") != std::string::npos);
    QFile file(dir_->filePath("game.tzx"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), tape);
}

void ProgramTest::editedTapeIsOfferedForSavingAfterTheWindowCloses()
{
    const std::string tape = testing::headerEntry("keep") + testing::dataEntry(3);
    QVERIFY(testing::writeBytes(dir_->filePath("game.tap"), tape));
    fake_.messageAnswers = {Desktop::Yes, Desktop::No};

    bool questionAfterClose = false;
    QString statusText;
    testing::MainWindowWatch watch([&](MainWindow& window) {
        statusText = window.statusBar()->text();
        BlockListView& list = *window.blockList();
        QTest::keyClick(&list, Qt::Key_Delete);
        QTest::keyClick(&list, Qt::Key_Escape);
        questionAfterClose = fake_.messages.size() == 1;
    });
    // Started with a name without extension, relative to the current directory.
    const std::string argument = "game";
    MAIN(app_, &argument, [this](BlockList& list) { runMainWindow(app_, list); });

    QVERIFY(watch.acted);
    QVERIFY(questionAfterClose);
    QCOMPARE(statusText, "Blocks: 2     File: " + QDir(dir_->path()).filePath("game.tap"));
    QCOMPARE(fake_.messages.size(), std::size_t{2});
    QCOMPARE(fake_.messages[1].text, std::string("TAP has been changed. Save it?"));
    QCOMPARE(fake_.messages[1].kind, 4);
    // Answered No: the file on disk is as it was.
    QFile file(dir_->filePath("game.tap"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), tape);
}

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
