#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "app/kind_message_box.h"
#include "app/qt_desktop.h"

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
    QTest::newRow("OK/Cancel, Esc") << 2 << true << int(Desktop::Cancel)
                                    << int(QMessageBox::Question);
    QTest::newRow("OK/Cancel, Enter") << 2 << false << int(Desktop::Ok)
                                      << int(QMessageBox::Question);
    QTest::newRow("Yes/No/Cancel, Esc") << 3 << true << int(Desktop::Cancel)
                                        << int(QMessageBox::Question);
    QTest::newRow("Yes/No/Cancel, Enter") << 3 << false << int(Desktop::Yes)
                                          << int(QMessageBox::Question);
    QTest::newRow("Yes/No, Enter") << 4 << false << int(Desktop::Yes)
                                   << int(QMessageBox::Question);
    QTest::newRow("Yes/No default No, Enter") << 5 << false << int(Desktop::No)
                                              << int(QMessageBox::Question);
    QTest::newRow("stop OK/Cancel, Esc") << 6 << true << int(Desktop::Cancel)
                                         << int(QMessageBox::Critical);
    QTest::newRow("stop OK/Cancel, Enter") << 6 << false << int(Desktop::Ok)
                                           << int(QMessageBox::Critical);
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

QTEST_MAIN(QtDesktopTest)
#include "qt_desktop_test.moc"
