// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

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
    void eachKindShowsWhatItsDescriptionSays();
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
    int showAndAnswer(const MessageKindDescription& kind, const std::string& text,
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

// Each kind's box as its description says: each button answers itself, Enter the default, Esc
// and the close box the escape answer; where there is none, Esc and the close box do nothing and
// no close box is offered. Each icon of the description shows as an icon of its own.
void QtDesktopTest::eachKindShowsWhatItsDescriptionSays()
{
    std::map<MessageIcon, int> iconShown;
    for (const MessageKindDescription& kind : messageKinds()) {
        qInfo() << kind.name;
        int buttons = 0, icon = -1;
        QCOMPARE(showAndAnswer(kind, "text",
                               [&](QMessageBox& box) {
                                   buttons = int(box.buttons().size());
                                   icon = box.icon();
                                   QTest::keyClick(&box, Qt::Key_Return);
                               }),
                 kind.defaultButton);
        QCOMPARE(iconShown.emplace(kind.icon, icon).first->second, icon);
        std::vector<int> answers;
        for (int i = 0; i < buttons; ++i)
            answers.push_back(showAndAnswer(
                kind, "text", [i](QMessageBox& box) { box.buttons().at(i)->click(); }));
        std::vector<int> offered = kind.buttons;
        std::sort(answers.begin(), answers.end());
        std::sort(offered.begin(), offered.end());
        QCOMPARE(answers, offered);

        bool stayed = false, closeBox = false;
        const auto escapeAndClose = [&](QMessageBox& box) {
            closeBox = box.windowFlags() & Qt::WindowCloseButtonHint;
            QTest::keyClick(&box, Qt::Key_Escape);
            if (!box.isVisible())
                return;
            QTest::keyClick(&box, Qt::Key_Escape);  // held
            box.close();
            stayed = box.isVisible();
            QTest::keyClick(&box, Qt::Key_Return);
        };
        const int escaped = showAndAnswer(kind, "text", escapeAndClose);
        QCOMPARE(escaped, kind.escapeAnswer != 0 ? kind.escapeAnswer : kind.defaultButton);
        QCOMPARE(stayed, kind.escapeAnswer == 0);
        QCOMPARE(closeBox, kind.escapeAnswer != 0);
        if (kind.escapeAnswer != 0)
            QCOMPARE(showAndAnswer(kind, "text", [](QMessageBox& box) { box.close(); }),
                     kind.escapeAnswer);
    }
    std::set<int> icons;
    for (const auto& [description, shown] : iconShown)
        icons.insert(shown);
    QCOMPARE(icons.size(), iconShown.size());
}

void QtDesktopTest::messageTextIsPlainWithLineBreaks()
{
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    showAndAnswer(describe(MessageKind::Inform), "File\r\n\r\n/tmp/<b>x</b>.tap\r\n\r\nnot found.",
                  [&](QMessageBox& box) {
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
    showAndAnswer(describe(MessageKind::Confirm), "question", [&](QMessageBox& box) {
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
