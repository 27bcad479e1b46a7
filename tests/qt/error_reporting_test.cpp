// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "qt/block_list_view.h"
#include "qt/main_window.h"
#include "qt/program.h"
#include "qt/status_bar.h"
#include "qt/toolbar.h"
#include "seam/app_context.h"
#include "seam/command_dispatch.h"
#include "seam/error_handler.h"
#include "support/ascii_case.h"
#include "tape/format/tap_decoding.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/qt/main_window_watch.h"
#include "tests/qt/qt_test_support.h"
#include "tests/qt/window_test_fixture.h"
#include "window/program_run.h"

using namespace murax;
using murax::testing::bytesOf;
using murax::testing::contentsOf;
using murax::testing::whenMenuOpens;

namespace {

// Names the tape that the test program, started again as a child, runs MAIN on.
constexpr const char* kChildTapeVariable = "MURAX_ERROR_REPORTING_CHILD_TAPE";

constexpr int kSaveAsEntry = 1;

// The scripted desktop, with an open dialog that can be made to fail the way no command expects,
// and, in the child, every box and hand-over written to standard output as it happens (the
// program's end leaves no other way to tell what it showed).
class BreakableDesktop : public testing::FakeDesktop {
public:
    bool openDialogBreaks = false;
    bool echo = false;

    std::string openFileDialog(const std::string& title,
                               const std::vector<std::string>& filters) override
    {
        if (openDialogBreaks)
            throw std::runtime_error("dialog broke");
        return FakeDesktop::openFileDialog(title, filters);
    }
    int messageBox(const std::string& text, const std::string& title, int kind) override
    {
        const int answer = FakeDesktop::messageBox(text, title, kind);
        say(events.back());
        return answer;
    }
    void openWithDefaultProgram(const std::string& fileOrUri) override
    {
        FakeDesktop::openWithDefaultProgram(fileOrUri);
        say(events.back());
    }

private:
    void say(const std::string& event) const
    {
        if (!echo)
            return;
        std::printf("%s\n", event.c_str());
        std::fflush(stdout);
    }
};

// In MAIN's window: an edit (row 1 deleted; or two entries moved and moved back, which is no
// change), then F2 with an open dialog that throws.
void editThenBreakACommand(MainWindow& window, BreakableDesktop& desktop, bool undoTheEdit)
{
    BlockListView& list = *window.blockList();
    if (undoTheEdit) {
        QTest::keyClick(&list, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(&list, Qt::Key_Up, Qt::ControlModifier);
    } else {
        QTest::keyClick(&list, Qt::Key_Delete);
    }
    desktop.openDialogBreaks = true;
    QTest::keyClick(&list, Qt::Key_F2);
    // Reached only where the end of the program is a test's stand-in, or did not come: the window
    // goes, so that MAIN returns instead of waiting for a user.
    window.reject();
}

const std::string kTape =
    testing::headerEntry("first") + testing::headerEntry("second") + testing::dataEntry(3);
// kTape with its first entry deleted.
const std::string kEditedTape = testing::headerEntry("second") + testing::dataEntry(3);

// The child: MAIN with the program's own end after the report, as the installed program has it.
int runProgramThatBreaks(const std::string& tape)
{
    installFontSubstitutions();
    BreakableDesktop desktop;
    desktop.echo = true;
    AppContext app(desktop);
    ERRORSYS(app);
    testing::MainWindowWatch watch(
        [&desktop](MainWindow& window) { editThenBreakACommand(window, desktop, false); });
    MAIN(app, &tape, [&app](BlockList& list) { runMainWindow(app, list); });
    std::printf("MAIN returned\n");
    return 3;
}

}  // namespace

// Runtime errors met in the real window, with the program-wide handler installed: messages that
// abandon a command and leave the window usable, and the report that ends the program without
// losing the edits.
class ErrorReportingTest : public QObject, public testing::WindowTest<BreakableDesktop> {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aSaveOverAFolderIsReportedAndTheWindowCarriesOn();
    void aSaveAsIntoAVanishedFolderIsReportedAndNothingMoves();
    void anExceptionInACommandEndsTheProgramWithTheReport_data();
    void anExceptionInACommandEndsTheProgramWithTheReport();
    void theRealProgramEndsWithStatusZeroAndAsksNothingMore();
    void aFailedSaveAtExitTellsWhereTheEditsWent();
    void aTapeWithTheLongestNamesIsSavedAndTheWindowStays();
    void aTapeLargerThanMemoryIsRefusedWithAMessageAtStart();

private:
    QString recoveryPath() const { return dir_->filePath("game.recovered.tap"); }

    std::vector<int> exitStatuses_;
    std::vector<testing::FakeDesktop::Message> messagesAtEnd_;
};

void ErrorReportingTest::initTestCase()
{
    prepareWindowTests();
    ERRORSYS(app_);
    setProgramTerminator([this](int status) {
        exitStatuses_.push_back(status);
        messagesAtEnd_ = fake_.messages;
    });
}

void ErrorReportingTest::init()
{
    exitStatuses_.clear();
    messagesAtEnd_.clear();
    beginWindowTest();
}

void ErrorReportingTest::cleanup()
{
    endWindowTest();
}

void ErrorReportingTest::aSaveOverAFolderIsReportedAndTheWindowCarriesOn()
{
    const QString path = tapePath();
    openWindow(path, kTape);
    const DisplayLines original = list_.lines();
    QTest::keyClick(&view(), Qt::Key_Down, Qt::ControlModifier);
    const QString status = window_->statusBar()->text();

    // The file gave way to a folder of the same name since it was opened.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(dir_->path()).mkdir("game.tap"));
    QTest::keyClick(&view(), Qt::Key_F9);

    QCOMPARE(fake_.messages.size(), std::size_t{1});
    QCOMPARE(fake_.messages[0].text,
             "Impossibile accedere al file " + asciiUpper(bytesOf(path)) + ".");
    QCOMPARE(fake_.messages[0].kind, 1);
    QCOMPARE(fake_.messages[0].title, std::string("Attenzione"));
    QVERIFY(exitStatuses_.empty());
    QVERIFY(!app_.commandRunning());
    QVERIFY(window_->isVisible());
    QCOMPARE(list_.currentFile, bytesOf(path));
    QCOMPARE(window_->statusBar()->text(), status);
    // The folder is untouched and nothing was left beside it.
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"game.tap"});

    // The window carries on: keys still run their commands, and a second try is reported again.
    window_->activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&view()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(list_.lines(), original);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
    QCOMPARE(fake_.messages.size(), std::size_t{2});
    QCOMPARE(fake_.messages[1].text, fake_.messages[0].text);
}

void ErrorReportingTest::aSaveAsIntoAVanishedFolderIsReportedAndNothingMoves()
{
    const QString path = tapePath();
    openWindow(path, kTape);
    const QString status = window_->statusBar()->text();
    QDir root(dir_->path());
    QVERIFY(root.mkdir("gone") && root.rmdir("gone"));
    fake_.saveAnswers = {bytesOf(root.filePath("gone/copy"))};

    // Chosen from the Save button's menu, as the user would.
    bool chosen = false;
    whenMenuOpens([&chosen](QMenu& menu) {
        QAction* action = menu.actions().at(kSaveAsEntry);
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        chosen = true;
    });
    Toolbar& bar = *window_->toolbar();
    const QPoint save = bar.buttonRect(murax::ToolbarButton::Save).center();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, save);
    QVERIFY(chosen);

    QCOMPARE(fake_.messages.size(), std::size_t{1});
    QCOMPARE(fake_.messages[0].text,
             "Percorso " + asciiUpper(bytesOf(root.filePath("gone/copy.tap"))) + " non trovato.");
    QCOMPARE(fake_.messages[0].kind, 1);
    QVERIFY(exitStatuses_.empty());
    QVERIFY(!root.exists("gone"));
    QCOMPARE(list_.currentFile, bytesOf(path));
    QCOMPARE(window_->statusBar()->text(), status);

    // Run still hands over the file that holds the tape.
    QTest::keyClick(&view(), Qt::Key_F11);
    QCOMPARE(fake_.opened, std::vector<std::string>{bytesOf(path)});
    QVERIFY(window_->isVisible());
}

void ErrorReportingTest::anExceptionInACommandEndsTheProgramWithTheReport_data()
{
    QTest::addColumn<bool>("undoTheEdit");
    QTest::newRow("unsaved edit") << false;
    QTest::newRow("edit moved back") << true;
}

void ErrorReportingTest::anExceptionInACommandEndsTheProgramWithTheReport()
{
    QFETCH(bool, undoTheEdit);
    const QString path = tapePath();
    QVERIFY(testing::writeBytes(path, kTape));
    // Delete: Yes; the report: OK (send it); the exit question that follows the stand-in end: No.
    fake_.messageAnswers = undoTheEdit ? std::deque<int>{Desktop::Ok}
                                       : std::deque<int>{Desktop::Yes, Desktop::Ok, Desktop::No};
    testing::MainWindowWatch watch([this, undoTheEdit](MainWindow& window) {
        editThenBreakACommand(window, fake_, undoTheEdit);
    });
    const std::string argument = bytesOf(path);
    MAIN(app_, &argument, [this](BlockList& list) { runMainWindow(app_, list); });

    QVERIFY(watch.acted);
    QCOMPARE(exitStatuses_, std::vector<int>{0});
    QCOMPARE(messagesAtEnd_.size(), std::size_t{undoTheEdit ? 1u : 2u});
    const auto& report = messagesAtEnd_.back();
    QCOMPARE(report.kind, 2);
    QCOMPARE(report.title, std::string("Attenzione"));
    const QString text = QString::fromStdString(report.text);
    QVERIFY2(text.startsWith("Error BASE/???  dialog broke: command\r\nFunction: "),
             report.text.c_str());
    QVERIFY(text.endsWith("\r\n\r\nInviare rapporto di errore via email?"));

    if (undoTheEdit) {
        // Nothing differs from the file: nothing to recover and no line about it.
        QVERIFY(!QFile::exists(recoveryPath()));
        QCOMPARE(text.count("\r\n"), 3);
    } else {
        QCOMPARE(contentsOf(recoveryPath()).toStdString(), kEditedTape);
        const std::string notice = "\r\nLe modifiche non salvate sono state scritte nel file " +
                                   bytesOf(recoveryPath()) + ".\r\n\r\n";
        QVERIFY2(report.text.find(notice) != std::string::npos, report.text.c_str());
        QCOMPARE(text.count("\r\n"), 4);
    }
    QCOMPARE(contentsOf(path).toStdString(), kTape);

    // OK sends the report by mail: the report's lines, with no recipient.
    QCOMPARE(fake_.opened.size(), std::size_t{1});
    const std::string mail = fake_.opened[0];
    QVERIFY(mail.starts_with(
        "mailto:?subject=Rapporto di errore&body=Applicazione: " + executablePath() +
        "%0d%0a%0d%0a" + "Error BASE/???  dialog broke: command%0d%0aFunction: "));
}

// The same end without a stand-in: the process itself ends, with status 0, before anything else
// of the program runs (no exit question), and the edits are in the recovery file.
void ErrorReportingTest::theRealProgramEndsWithStatusZeroAndAsksNothingMore()
{
    const QString path = tapePath();
    QVERIFY(testing::writeBytes(path, kTape));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildTapeVariable, path);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(10000));
    const QByteArray output = child.readAllStandardOutput();

    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QVERIFY2(output.contains("message 2: Error BASE/???  dialog broke: command"),
             output.constData());
    QVERIFY(output.contains("run: mailto:?subject=Rapporto di errore"));
    QVERIFY(output.contains(
        ("Le modifiche non salvate sono state scritte nel file " + bytesOf(recoveryPath()) + ".")
            .c_str()));
    QVERIFY(!output.contains("TAP has been changed"));
    QVERIFY(!output.contains("MAIN returned"));
    QCOMPARE(contentsOf(recoveryPath()).toStdString(), kEditedTape);
    QCOMPARE(contentsOf(path).toStdString(), kTape);
}

void ErrorReportingTest::aFailedSaveAtExitTellsWhereTheEditsWent()
{
    const QString path = tapePath();
    QVERIFY(testing::writeBytes(path, kTape));
    testing::MainWindowWatch watch([this, path](MainWindow& window) {
        QTest::keyClick(window.blockList(), Qt::Key_Delete);
        QFile::remove(path);
        QDir(dir_->path()).mkdir("game.tap");
        QTest::keyClick(window.blockList(), Qt::Key_Escape);
    });
    // Delete: Yes; save at exit: Yes; both messages: OK.
    const std::string argument = bytesOf(path);
    MAIN(app_, &argument, [this](BlockList& list) { runMainWindow(app_, list); });

    QVERIFY(watch.acted);
    QVERIFY(exitStatuses_.empty());
    const std::vector<std::string> expected{
        "message 4: Delete the selected blocks?",
        "message 4: TAP has been changed. Save it?",
        "message 1: Impossibile accedere al file " + asciiUpper(bytesOf(path)) + ".",
        "message 1: Le modifiche non salvate sono state scritte nel file " +
            bytesOf(recoveryPath()) + ".",
    };
    std::vector<std::string> shown;
    for (const auto& event : fake_.events)
        if (event.starts_with("message "))
            shown.push_back(event);
    QCOMPARE(shown, expected);
    QCOMPARE(contentsOf(recoveryPath()).toStdString(), kEditedTape);
    QVERIFY(QFileInfo(path).isDir());
}

// The replacing write's own file beside such a tape once made the name too long for the file
// system, and the save ended the program.
void ErrorReportingTest::aTapeWithTheLongestNamesIsSavedAndTheWindowStays()
{
    for (const int length : {241, 247, 255}) {
        const QString path = dir_->filePath(QString(length - 4, QChar('g')) + ".tap");
        openWindow(path, kTape);
        fake_.messages.clear();
        QTest::keyClick(&view(), Qt::Key_Delete);  // answered Yes
        QTest::keyClick(&view(), Qt::Key_F9);
        QCOMPARE(fake_.messages.size(), std::size_t{1});  // the question, nothing else
        QCOMPARE(contentsOf(path).toStdString(), kEditedTape);
        QVERIFY(exitStatuses_.empty());
        QVERIFY(window_->isVisible());
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        window_.reset();
        QVERIFY(QFile::remove(path));
    }
}

// A sparse file of 1 TiB: refused with the report's text before anything is read, and the
// program ends as after any start-up file that cannot be loaded.
void ErrorReportingTest::aTapeLargerThanMemoryIsRefusedWithAMessageAtStart()
{
    const QString path = dir_->filePath("huge.tap");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    if (!file.resize(qint64(1) << 40))
        QSKIP("this file system takes no sparse file of 1 TiB");
    file.close();
    const std::string argument = bytesOf(path);
    MAIN(app_, &argument, [this](BlockList& list) { runMainWindow(app_, list); });
    QVERIFY(exitStatuses_.empty());
    QCOMPARE(fake_.messages.size(), std::size_t{1});
    QCOMPARE(fake_.messages[0].kind, 1);
    QVERIFY2(fake_.messages[0].text.starts_with(
                 "Error BASE/???  File larger than the memory available: " + argument),
             fake_.messages[0].text.c_str());
}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    if (qEnvironmentVariableIsSet(kChildTapeVariable))
        return runProgramThatBreaks(bytesOf(qEnvironmentVariable(kChildTapeVariable)));
    ErrorReportingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "error_reporting_test.moc"
