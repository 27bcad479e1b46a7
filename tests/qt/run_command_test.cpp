// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "qt/block_list_view.h"
#include "qt/main_window.h"
#include "qt/qt_desktop.h"
#include "qt/status_bar.h"
#include "qt/toolbar.h"
#include "seam/app_context.h"
#include "tape/format/tap_decoding.h"
#include "tape/model/change_detection.h"
#include "tests/qt/qt_test_support.h"
#include "tests/qt/window_test_fixture.h"

using namespace murax;
using murax::testing::bytesOf;
using murax::testing::contentsOf;
using murax::testing::whenMenuOpens;

namespace {

using Button = murax::ToolbarButton;

// Sets environment variables for the processes the test starts and puts the old values back.
class EnvironmentChange {
public:
    ~EnvironmentChange()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                qputenv(it->first.constData(), *it->second);
            else
                qunsetenv(it->first.constData());
        }
    }
    void set(const char* name, const QString& value)
    {
        remember(name);
        qputenv(name, QFile::encodeName(value));
    }
    void unset(const char* name)
    {
        remember(name);
        qunsetenv(name);
    }

private:
    void remember(const char* name)
    {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name)
                                      ? std::optional<QByteArray>(qgetenv(name))
                                      : std::nullopt);
    }
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> saved_;
};

// Runs a set-up tool to its end; its standard output, trimmed, or nothing when it failed.
std::optional<QString> runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

}  // namespace

// Run in the real window: what reaches the desktop, and that nothing is saved on the way.
class RunCommandTest : public QObject, public testing::WindowTest<> {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void f11AndTheRunButtonHandOverTheFileAsStoredWithoutSavingIt();
    void runFollowsTheCurrentFileThroughOpenAndSaveAs();
    void keysReachTheListAfterToolbarCommandsWithoutAClick();
    void theDesktopsDefaultProgramForTapesReceivesThePath();

private:
    void click(Button button)
    {
        Toolbar& bar = *window_->toolbar();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.buttonRect(button).center());
    }
    // Clicks a menu button and chooses the menu's entry `entry` (0 or 1) once the menu is up.
    void chooseFromMenu(Button button, int entry);
    // Delivers a key to whichever widget has the keyboard focus, as the user's keyboard would.
    void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        window_->activateWindow();
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

void RunCommandTest::initTestCase()
{
    prepareWindowTests();
}

void RunCommandTest::init()
{
    beginWindowTest();
}

void RunCommandTest::cleanup()
{
    endWindowTest();
}

void RunCommandTest::chooseFromMenu(Button button, int entry)
{
    bool chosen = false;
    whenMenuOpens([&chosen, entry](QMenu& menu) {
        QAction* action = menu.actions().at(entry);
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        chosen = true;
    });
    click(button);
    QVERIFY(chosen);
}

void RunCommandTest::f11AndTheRunButtonHandOverTheFileAsStoredWithoutSavingIt()
{
    const std::string tape =
        testing::headerEntry("loader") + testing::headerEntry("screen") + testing::dataEntry(6);
    const QString path = dir_->filePath("game.tap");
    openWindow(path, tape);

    fake_.messageAnswers = {Desktop::Yes};
    QTest::keyClick(&view(), Qt::Key_Delete);
    QCOMPARE(list_.lines().size(), std::size_t{2});

    QTest::keyClick(&view(), Qt::Key_F11);
    QCOMPARE(fake_.opened, std::vector<std::string>{bytesOf(path)});
    click(Button::Run);
    QCOMPARE(fake_.opened, (std::vector<std::string>{bytesOf(path), bytesOf(path)}));

    // Nothing was saved or asked: the other program sees the file as stored, and the edit is
    // still in the list and still counts as unsaved.
    QCOMPARE(contentsOf(path).toStdString(), tape);
    QCOMPARE(fake_.messages.size(), std::size_t{1});
    QCOMPARE(list_.lines().size(), std::size_t{2});
    QCOMPARE(view().count(), 2);
    QVERIFY(CAMBIATO(list_));
    QCOMPARE(list_.currentFile, bytesOf(path));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"game.tap"});
}

void RunCommandTest::runFollowsTheCurrentFileThroughOpenAndSaveAs()
{
    const QString first = dir_->filePath("first.tap");
    const QString second = dir_->filePath("second.tap");
    const std::string secondTape = testing::headerEntry("two") + testing::dataEntry(2);
    QVERIFY(testing::writeBytes(second, secondTape));
    openWindow(first, testing::headerEntry("one"));

    // Opened by a name typed without its extension.
    fake_.openAnswers = {"second"};
    QTest::keyClick(&view(), Qt::Key_F2);
    QCOMPARE(list_.currentFile, bytesOf(second));
    click(Button::Run);
    QCOMPARE(fake_.opened, std::vector<std::string>{bytesOf(second)});

    constexpr int kSaveAsEntry = 1;
    const QString copy = dir_->filePath("copy.tap");
    fake_.saveAnswers = {bytesOf(dir_->filePath("copy"))};
    chooseFromMenu(Button::Save, kSaveAsEntry);
    QCOMPARE(contentsOf(copy).toStdString(), secondTape);
    QCOMPARE(list_.currentFile, bytesOf(copy));

    QTest::keyClick(&view(), Qt::Key_F11);
    click(Button::Run);
    QCOMPARE(fake_.opened,
             (std::vector<std::string>{bytesOf(second), bytesOf(copy), bytesOf(copy)}));
    QVERIFY(fake_.messages.empty());
}

void RunCommandTest::keysReachTheListAfterToolbarCommandsWithoutAClick()
{
    const QString path = dir_->filePath("game.tap");
    openWindow(path,
               testing::headerEntry("a") + testing::headerEntry("b") + testing::headerEntry("c"));
    const DisplayLines original = list_.lines();
    const std::vector<std::string> entries = list_.entries();

    // After a plain button.
    click(Button::MoveDown);
    QCOMPARE(list_.lines(), (DisplayLines{original[1], original[0], original[2]}));
    typeKey(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(list_.lines(), (DisplayLines{original[1], original[2], original[0]}));
    QCOMPARE(view().selectedPositions(), std::vector<int>{3});

    // After a menu entry.
    constexpr int kSaveEntry = 0;
    chooseFromMenu(Button::Save, kSaveEntry);
    QCOMPARE(contentsOf(path).toStdString(), entries[1] + entries[2] + entries[0]);
    typeKey(Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(list_.lines(), (DisplayLines{original[1], original[0], original[2]}));

    // After Run.
    click(Button::Run);
    QCOMPARE(fake_.opened.size(), std::size_t{1});
    typeKey(Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(list_.lines(), original);
    QCOMPARE(view().selectedPositions(), std::vector<int>{1});

    // After a menu closed with Esc.
    whenMenuOpens([](QMenu& menu) { QTest::keyClick(&menu, Qt::Key_Escape); });
    click(Button::Edit);
    fake_.messageAnswers = {Desktop::No};
    typeKey(Qt::Key_Delete);
    QCOMPARE(fake_.messages.size(), std::size_t{1});
    QCOMPARE(fake_.messages[0].text, std::string("Delete the selected blocks?"));
    QCOMPARE(list_.lines(), original);
}

// The real desktop service and xdg-open, with a handler of the test's own made the default
// program for tapes in a scratch XDG configuration. Without a desktop session xdg-open takes its
// generic path: the file's MIME type from the shared database, then the default desktop entry,
// which it consults only when it believes a display is there.
void RunCommandTest::theDesktopsDefaultProgramForTapesReceivesThePath()
{
    if (QStandardPaths::findExecutable("xdg-open").isEmpty())
        QSKIP("xdg-open is not installed");
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    QVERIFY2(!xdgMime.isEmpty(), "xdg-mime comes with xdg-open and is needed to set the default");

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QDir root(scratch.path());
    const QString configHome = root.filePath("config");
    const QString dataHome = root.filePath("data");
    QVERIFY(root.mkpath("config") && root.mkpath("data/applications") &&
            root.mkpath("data/mime/packages"));

    EnvironmentChange environment;
    environment.set("XDG_CONFIG_HOME", configHome);
    environment.set("XDG_DATA_HOME", dataHome);
    for (const char* session : {"DE", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID",
                                "LXQT_SESSION_CONFIG", "WAYLAND_DISPLAY", "BROWSER"})
        environment.unset(session);
    // Any non-empty value will do: xdg-open only asks whether one is set. No bus either, so that
    // nothing tries to start one for that display.
    environment.set("DISPLAY", ":77");
    environment.set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root.filePath("no-bus"));

    // The handler writes the argument it was given, renamed into place once complete.
    const QString received = root.filePath("received");
    const QString handler = root.filePath("receive-tape");
    QVERIFY(
        testing::writeBytes(handler, ("#!/bin/sh\nprintf '%s' \"$1\" > '" + received +
                                      ".part' && mv '" + received + ".part' '" + received + "'\n")
                                         .toStdString()));
    QVERIFY(QFile::setPermissions(handler, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(testing::writeBytes(
        root.filePath("data/applications/murax-run-probe.desktop"),
        ("[Desktop Entry]\nType=Application\nName=Run probe\nExec=" + handler + " %f\n")
            .toStdString()));

    // The type Murax installs for *.tap where the system defines none; a system type for *.tap,
    // if there is one, may still be what the database answers, and is then the one registered.
    QVERIFY(testing::writeBytes(
        root.filePath("data/mime/packages/murax-run-probe.xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"application/x-spectrum-tap\">\n"
        "    <comment>ZX Spectrum tape image</comment>\n"
        "    <glob pattern=\"*.tap\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n"));
    if (const QString update = QStandardPaths::findExecutable("update-mime-database");
        !update.isEmpty())
        QVERIFY(runTool(update, {root.filePath("data/mime")}));

    // A folder with a blank in its name: the path must arrive as one argument.
    QVERIFY(root.mkpath("my tapes"));
    const QString path = root.filePath("my tapes/game.tap");
    QtDesktop realDesktop;
    AppContext realApp(realDesktop);
    openWindow(path, testing::headerEntry("run me") + testing::dataEntry(3), &realApp);

    const QString mimeType =
        runTool(xdgMime, {"query", "filetype", path}).value_or(QString()).section(';', 0, 0);
    QVERIFY2(!mimeType.isEmpty(), "the MIME database gives no type for the tape");
    QVERIFY(runTool(xdgMime, {"default", "murax-run-probe.desktop", mimeType}));
    QCOMPARE(runTool(xdgMime, {"query", "default", mimeType}).value_or(QString()),
             QString("murax-run-probe.desktop"));

    QTest::keyClick(&view(), Qt::Key_F11);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(received), 10000);
    QCOMPARE(contentsOf(received), QFile::encodeName(path));
    QVERIFY(window_->isVisible());
}

QTEST_MAIN(RunCommandTest)
#include "run_command_test.moc"
