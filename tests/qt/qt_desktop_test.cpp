// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "qt/block_list_view.h"
#include "qt/kind_message_box.h"
#include "qt/main_window.h"
#include "qt/program_fonts.h"
#include "qt/qt_desktop.h"
#include "tests/qt/qt_test_support.h"

using namespace murax;

// The message boxes here are real ones: each test answers the box from inside its modal loop.
class QtDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxesAnswerByKind_data();
    void messageBoxesAnswerByKind();
    void yesNoBoxesIgnoreEscapeAndTheCloseBox_data();
    void yesNoBoxesIgnoreEscapeAndTheCloseBox();
    void messageTextIsPlainWithLineBreaks();
    void messageBoxIsOwnedByTheActiveWindow();
    void runAndWaitReturnsTheExitCode();
    void runAndWaitSplitsTheCommandWithoutAShell();
    void runAndWaitKeepsDispatchingEvents();
    void runAndWaitGivesMinusOneWhenNothingStarts();
    void fileDialogsKeepTheirSettingsAndRequireAnExistingFolder_data();
    void fileDialogsKeepTheirSettingsAndRequireAnExistingFolder();
    void openCompletesANameTypedInTheRealDialog();
    void itemChoiceShowsTheItemsAndGivesThePositionChosen_data();
    void itemChoiceShowsTheItemsAndGivesThePositionChosen();

private:
    // Runs `answer` on the box once it is showing, then returns what messageBox returned.
    int showAndAnswer(int kind, const std::string& text,
                      const std::function<void(QMessageBox&)>& answer)
    {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            answer(*box);
        });
        return desktop_.messageBox(text, "Attenzione", kind);
    }

    QtDesktop desktop_;
};

void QtDesktopTest::messageBoxesAnswerByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("escape");  // false: Enter, the default button
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("icon");

    QTest::newRow("OK, Esc") << 1 << true << int(Desktop::Ok) << int(QMessageBox::Information);
    QTest::newRow("OK, Enter") << 1 << false << int(Desktop::Ok) << int(QMessageBox::Information);
    QTest::newRow("OK/Cancel, Esc")
        << 2 << true << int(Desktop::Cancel) << int(QMessageBox::Question);
    QTest::newRow("OK/Cancel, Enter")
        << 2 << false << int(Desktop::Ok) << int(QMessageBox::Question);
    QTest::newRow("Yes/No/Cancel, Esc")
        << 3 << true << int(Desktop::Cancel) << int(QMessageBox::Question);
    QTest::newRow("Yes/No/Cancel, Enter")
        << 3 << false << int(Desktop::Yes) << int(QMessageBox::Question);
    QTest::newRow("Yes/No, Enter") << 4 << false << int(Desktop::Yes) << int(QMessageBox::Question);
    QTest::newRow("Yes/No default No, Enter")
        << 5 << false << int(Desktop::No) << int(QMessageBox::Question);
    QTest::newRow("stop OK/Cancel, Esc")
        << 6 << true << int(Desktop::Cancel) << int(QMessageBox::Critical);
    QTest::newRow("stop OK/Cancel, Enter")
        << 6 << false << int(Desktop::Ok) << int(QMessageBox::Critical);
}

void QtDesktopTest::messageBoxesAnswerByKind()
{
    QFETCH(int, kind);
    QFETCH(bool, escape);
    QFETCH(int, icon);
    int shownIcon = -1;
    const int answer = showAndAnswer(kind, "text", [&](QMessageBox& box) {
        shownIcon = box.icon();
        QTest::keyClick(&box, escape ? Qt::Key_Escape : Qt::Key_Return);
    });
    QTEST(answer, "expected");
    QCOMPARE(shownIcon, icon);
}

void QtDesktopTest::yesNoBoxesIgnoreEscapeAndTheCloseBox_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("expected");
    QTest::newRow("Yes the default") << 4 << int(Desktop::Yes);
    QTest::newRow("No the default") << 5 << int(Desktop::No);
}

void QtDesktopTest::yesNoBoxesIgnoreEscapeAndTheCloseBox()
{
    QFETCH(int, kind);
    bool openAfterEscape = false;
    bool openAfterClose = false;
    bool offersCloseBox = true;
    const int answer = showAndAnswer(kind, "TAP has been changed. Save it?", [&](QMessageBox& box) {
        offersCloseBox = box.windowFlags() & Qt::WindowCloseButtonHint;
        QTest::keyClick(&box, Qt::Key_Escape);
        QTest::keyClick(&box, Qt::Key_Escape);
        openAfterEscape = box.isVisible();
        box.close();
        openAfterClose = box.isVisible();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    QVERIFY(openAfterEscape);
    QVERIFY(openAfterClose);
    QVERIFY(!offersCloseBox);
    // Only the final Enter answered: the default button, never a No that Esc chose.
    QTEST(answer, "expected");
}

void QtDesktopTest::messageTextIsPlainWithLineBreaks()
{
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    showAndAnswer(1, "File\r\n\r\n/tmp/<b>x</b>.tap\r\n\r\nnot found.", [&](QMessageBox& box) {
        shown = box.text();
        format = box.textFormat();
        box.close();
    });
    QCOMPARE(shown, QString("File\n\n/tmp/<b>x</b>.tap\n\nnot found."));
    QCOMPARE(format, Qt::PlainText);
}

void QtDesktopTest::messageBoxIsOwnedByTheActiveWindow()
{
    QWidget owner;
    owner.show();
    QApplication::setActiveWindow(&owner);
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    QWidget* parent = nullptr;
    showAndAnswer(2, "question", [&](QMessageBox& box) {
        parent = box.parentWidget();
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    QCOMPARE(parent, &owner);
}

void QtDesktopTest::runAndWaitReturnsTheExitCode()
{
    QCOMPARE(desktop_.runAndWait("sh -c \"exit 3\"", 5), 3);
    QCOMPARE(desktop_.runAndWait("true", 5), 0);
}

void QtDesktopTest::runAndWaitSplitsTheCommandWithoutAShell()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath("out");
    const QString script = dir.filePath("first-argument");
    QFile scriptFile(script);
    QVERIFY(scriptFile.open(QIODevice::WriteOnly));
    scriptFile.write("#!/bin/sh\nprintf %s \"$1\" > \"$2\"\n");
    scriptFile.close();
    QVERIFY(scriptFile.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // No shell sees the line: "$HOME" and ";" reach the program as they are written.
    const std::string command = script.toStdString() + " \"$HOME; x\" " + out.toStdString();
    QCOMPARE(desktop_.runAndWait(command, 5), 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("$HOME; x"));
}

void QtDesktopTest::runAndWaitKeepsDispatchingEvents()
{
    bool fired = false;
    QTimer::singleShot(10, [&fired] { fired = true; });
    QCOMPARE(desktop_.runAndWait("sleep 0.3", 5), 0);
    QVERIFY(fired);
}

void QtDesktopTest::runAndWaitGivesMinusOneWhenNothingStarts()
{
    QCOMPARE(desktop_.runAndWait("/nonexistent/hex-editor file", 5), -1);
    QCOMPARE(desktop_.runAndWait("", 5), -1);
    QCOMPARE(desktop_.runAndWait("   ", 5), -1);
}

void QtDesktopTest::fileDialogsKeepTheirSettingsAndRequireAnExistingFolder_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("filters");
    const QStringList tapes{kTapeFilesFilter};
    QTest::newRow("open") << false << "Select a TAP file to open" << tapes;
    QTest::newRow("add") << false << "Select a TAP file to add"
                         << QStringList{kTapeFilesFilter, "TZX files (*.tzx)"};
    QTest::newRow("save as") << true << "TAP file to save" << tapes;
    QTest::newRow("export") << true << "Export data bytes"
                            << QStringList{"Data bytes (*)", "Screen picture (*.png)"};
}

void QtDesktopTest::fileDialogsKeepTheirSettingsAndRequireAnExistingFolder()
{
    QFETCH(bool, save);
    QFETCH(QString, title);
    QFETCH(QStringList, filters);
    const testing::ScratchCurrentDirectory dir;
    QVERIFY(dir.isValid());
    QVERIFY(testing::writeBytes(dir.filePath("game.tap"), "old"));

    QString shownTitle, notice, startFolder;
    QStringList shownFilters;
    QString chosenFilter;
    bool overwriteAsked = true, openAfterMissingFolder = false, anyFile = false;
    QString defaultSuffix = "unset";
    QStringList unexpected;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        if (!name)
            return;
        shownTitle = dialog->windowTitle();
        shownFilters = dialog->nameFilters();
        chosenFilter = dialog->selectedNameFilter();
        startFolder = dialog->directory().absolutePath();
        overwriteAsked = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        anyFile = dialog->fileMode() == QFileDialog::AnyFile;
        defaultSuffix = dialog->defaultSuffix();

        // A name in a folder that does not exist: the dialog's notice, and it stays open.
        QTimer::singleShot(0, [&notice] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                notice = box->text();
                box->close();
            }
        });
        name->setText("/nonexistent/game");
        QTest::keyClick(name, Qt::Key_Return);
        openAfterMissingFolder = dialog->isVisible();

        // A name without extension, or for Save As the existing file: taken as it is, without a
        // question from the dialog itself.
        testing::UnexpectedWindowWatch watch;
        name->setText(save ? "game.tap" : "game");
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
        unexpected = watch.seen;
    });
    std::vector<std::string> filterBytes;
    for (const QString& filter : filters)
        filterBytes.push_back(filter.toStdString());
    const std::string chosen = save ? desktop_.saveFileDialog(title.toStdString(), filterBytes)
                                    : desktop_.openFileDialog(title.toStdString(), filterBytes);
    const QString folderAfter = QDir::currentPath();

    QCOMPARE(shownTitle, title);
    QCOMPARE(shownFilters, filters);
    QCOMPARE(chosenFilter, filters.first());
    QCOMPARE(startFolder, QDir(dir.path()).absolutePath());
    // The dialog leaves the current directory where it was.
    QCOMPARE(QFileInfo(folderAfter).canonicalFilePath(), QFileInfo(dir.path()).canonicalFilePath());
    QVERIFY(anyFile);
    QCOMPARE(defaultSuffix, QString());
    QVERIFY(openAfterMissingFolder);
    QVERIFY2(notice.contains("/nonexistent"), qPrintable(notice));
    QCOMPARE(unexpected, QStringList());
    QCOMPARE(chosen, testing::bytesOf(QDir(dir.path()).filePath(save ? "game.tap" : "game")));
    if (save)
        QVERIFY(!overwriteAsked);
}

void QtDesktopTest::openCompletesANameTypedInTheRealDialog()
{
    installFontSubstitutions();
    AppContext app(desktop_);
    const testing::ScratchCurrentDirectory dir;
    QVERIFY(dir.isValid());
    QVERIFY(testing::writeBytes(dir.filePath("game.tap"),
                                testing::headerEntry("one") + testing::headerEntry("two")));
    BlockList list;
    std::unique_ptr<MainWindow> window;
    QVERIFY(testing::showTapeInWindow(app, dir.filePath("first.tap"), testing::dataEntry(1), list,
                                      window));

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr) {
            name->setText("game");
            QTest::keyClick(name, Qt::Key_Return);
        }
    });
    QTest::keyClick(window->blockList(), Qt::Key_F2);

    QCOMPARE(list.currentFile, testing::bytesOf(QDir(dir.path()).filePath("game.tap")));
    QCOMPARE(list.count(), std::size_t{2});
    QCOMPARE(window->blockList()->count(), 2);
}

void QtDesktopTest::itemChoiceShowsTheItemsAndGivesThePositionChosen_data()
{
    QTest::addColumn<int>("moves");     // presses of the Down key in the list before the answer
    QTest::addColumn<bool>("escape");   // false: Enter
    QTest::addColumn<int>("expected");  // -1: nothing chosen
    QTest::newRow("Enter takes the item chosen at first") << 0 << false << 1;
    QTest::newRow("another item") << 1 << false << 2;
    QTest::newRow("Esc cancels") << 1 << true << -1;
}

void QtDesktopTest::itemChoiceShowsTheItemsAndGivesThePositionChosen()
{
    QFETCH(int, moves);
    QFETCH(bool, escape);
    QFETCH(int, expected);
    QString title, label;
    QStringList items;
    bool editable = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        auto* combo = dialog ? dialog->findChild<QComboBox*>() : nullptr;
        if (!combo)
            return;
        title = dialog->windowTitle();
        label = dialog->labelText();
        items = dialog->comboBoxItems();
        editable = combo->isEditable();
        for (int i = 0; i < moves; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, escape ? Qt::Key_Escape : Qt::Key_Return);
    });
    const auto chosen =
        desktop_.chooseItem("Export as sound", "Sound format:", {"one", "two", "three"}, 1);

    QCOMPARE(title, QString("Export as sound"));
    QCOMPARE(label, QString("Sound format:"));
    QCOMPARE(items, (QStringList{"one", "two", "three"}));
    QVERIFY(!editable);
    QCOMPARE(chosen ? static_cast<int>(*chosen) : -1, expected);
}

QTEST_MAIN(QtDesktopTest)
#include "qt_desktop_test.moc"
