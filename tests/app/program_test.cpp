// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/block_list_view.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/program_fonts.h"
#include "app/status_bar.h"
#include "support/app_context.h"
#include "tape/block_list.h"
#include "tests/app/app_test_support.h"
#include "tests/fakes/fake_desktop.h"

using namespace murax;
using murax::testing::FakeDesktop;

// MAIN from the argument to the exit question, with the fake desktop answering.
class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cancelledOpenDialogEndsWithoutAWindow();
    void missingFileIsReportedAndEndsWithoutAWindow();
    void editedTapeIsOfferedForSavingAfterTheWindowCloses();

private:
    // Runs `inWindow` on the main window once it has appeared; records whether one did.
    void whenTheWindowShows(std::function<void(MainWindow&)> inWindow);

    FakeDesktop fake_;
    AppContext app_{fake_};
    QTemporaryDir dir_;
    QString originalDirectory_;
    bool windowShown_ = false;
    QTimer* windowWatch_ = nullptr;
};

void ProgramTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    installFontSubstitutions();
    originalDirectory_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
}

void ProgramTest::init()
{
    fake_ = FakeDesktop();
    windowShown_ = false;
}

void ProgramTest::cleanup()
{
    delete windowWatch_;
    windowWatch_ = nullptr;
    // A window that should not have appeared must not block the next test.
    if (auto* window = qobject_cast<MainWindow*>(QApplication::activeModalWidget()))
        window->reject();
}

void ProgramTest::whenTheWindowShows(std::function<void(MainWindow&)> inWindow)
{
    // A timer of the test's own, so that one left pending by a test without a window is stopped
    // before the next test runs.
    delete windowWatch_;
    windowWatch_ = new QTimer(this);
    windowWatch_->setSingleShot(true);
    windowWatch_->callOnTimeout([this, inWindow] {
        QWidget* modal = nullptr;
        const bool appeared = QTest::qWaitFor([&modal] {
            modal = QApplication::activeModalWidget();
            return modal != nullptr;
        }, 2000);
        auto* window = appeared ? qobject_cast<MainWindow*>(modal) : nullptr;
        if (!window)
            return;
        windowShown_ = true;
        inWindow(*window);
    });
    windowWatch_->start(0);
}

void ProgramTest::cancelledOpenDialogEndsWithoutAWindow()
{
    whenTheWindowShows([](MainWindow& window) { window.reject(); });
    MAIN(app_, nullptr);
    QVERIFY(!windowShown_);
    QCOMPARE(fake_.events, std::vector<std::string>{"open: Select a TAP file to open"});
}

void ProgramTest::missingFileIsReportedAndEndsWithoutAWindow()
{
    whenTheWindowShows([](MainWindow& window) { window.reject(); });
    const std::string argument = "nothing-here";
    MAIN(app_, &argument);
    QVERIFY(!windowShown_);
    QCOMPARE(fake_.messages.size(), std::size_t{1});
    QCOMPARE(fake_.messages[0].kind, 1);
    const std::string expected = "File\r\n\r\n" + QDir(dir_.path()).filePath("nothing-here.tap").toStdString()
                                 + "\r\n\r\nnot found.";
    QCOMPARE(fake_.messages[0].text, expected);
}

void ProgramTest::editedTapeIsOfferedForSavingAfterTheWindowCloses()
{
    const std::string tape = testing::headerEntry("keep") + testing::dataEntry(3);
    QVERIFY(testing::writeBytes(dir_.filePath("game.tap"), tape));
    fake_.messageAnswers = {Desktop::Yes, Desktop::No};

    bool rowOneSelected = false;
    bool questionAfterClose = false;
    QString statusText;
    whenTheWindowShows([&](MainWindow& window) {
        statusText = window.statusBar()->text();
        BlockListView& list = *window.blockList();
        rowOneSelected = QTest::qWaitFor(
            [&list] { return list.selectedPositions() == std::vector<int>{1}; }, 2000);
        QTest::keyClick(&list, Qt::Key_Delete);
        QTest::keyClick(&list, Qt::Key_Escape);
        questionAfterClose = fake_.messages.size() == 1;
    });
    // Started with a name without extension, relative to the current directory.
    const std::string argument = "game";
    MAIN(app_, &argument);

    QVERIFY(windowShown_);
    QVERIFY(rowOneSelected);
    QVERIFY(questionAfterClose);
    QCOMPARE(statusText, "Blocks: 2     File: " + QDir(dir_.path()).filePath("game.tap"));
    QCOMPARE(fake_.messages.size(), std::size_t{2});
    QCOMPARE(fake_.messages[1].text, std::string("TAP has been changed. Save it?"));
    QCOMPARE(fake_.messages[1].kind, 4);
    // Answered No: the file on disk is as it was.
    QFile file(dir_.filePath("game.tap"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), tape);
}

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
