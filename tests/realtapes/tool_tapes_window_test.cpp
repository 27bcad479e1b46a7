// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tapes made by zmakebas, pasmo and tapeconv, opened by the program's start-up load into the
// real window (offscreen) and saved with F9: the window shows the lines tzxlist agrees with, and
// the file written is the file read, byte for byte.

#include <QtTest>

#include <sys/stat.h>

#include "support/runtime_errors.h"
#include "tape/commands/open_commands.h"
#include "tape/format/display_charset.h"
#include "tape/model/change_detection.h"
#include "tests/qt/window_test_fixture.h"
#include "tests/realtapes/oracle_tools.h"
#include "tests/realtapes/tool_recipes.h"

using namespace murax;

namespace {

ino_t inodeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

}  // namespace

class ToolTapesWindowTest : public QObject, public testing::WindowTest<> {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init()
    {
        beginWindowTest();
        noteErrorsAndAbandon();
    }
    void cleanup()
    {
        for (const ErrorRecord& error : notedErrors())
            qWarning("unexpected runtime error on %s", error.FILENAME.c_str());
        QVERIFY(notedErrors().empty());
        endWindowTest();
    }

    void openThenSaveInTheWindowGivesTheFileBack_data();
    void openThenSaveInTheWindowGivesTheFileBack();
};

void ToolTapesWindowTest::openThenSaveInTheWindowGivesTheFileBack_data()
{
    QTest::addColumn<int>("recipe");
    for (std::size_t i = 0; i < testing::recipes().size(); ++i)
        QTest::newRow(testing::recipes()[i].name) << static_cast<int>(i);
}

void ToolTapesWindowTest::openThenSaveInTheWindowGivesTheFileBack()
{
    QFETCH(int, recipe);
    const testing::Recipe& made = testing::recipes()[static_cast<std::size_t>(recipe)];
    if (!testing::toolInstalled("tzxlist"))
        MURAX_QT_MISSING_TOOL("tzxlist (fuse-emulator-utils)");
    if (const std::string missing = testing::missingTool(made); !missing.empty())
        MURAX_QT_MISSING_TOOL(missing);
    QCOMPARE(testing::makeTape(made), std::string());
    const QString file = dir_->filePath("tape.tap");
    const QByteArray original = testing::contentsOf(file);
    std::string problem;
    const std::vector<testing::ListedBlock> blocks =
        testing::tzxlistBlocks(testing::bytesOf(file), problem);
    QCOMPARE(problem, std::string());

    const std::string argument = "tape";
    QVERIFY(startupLoad(app_, &argument, list_));
    QCOMPARE(testing::disagreementWithTzxlist(list_, blocks), std::string());
    QVERIFY(testing::showListInWindow(app_, list_, window_));

    // Each row shows its line.
    QCOMPARE(view().count(), static_cast<int>(list_.count()));
    for (int row = 0; row < view().count(); ++row)
        QCOMPARE(view().model()->index(row, 0).data().toString(),
                 QString::fromStdString(bytesToDisplayUtf8(list_.lines()[row].view())));

    const ino_t before = inodeOf(file);
    QTest::keyClick(&view(), Qt::Key_F9);
    // The save wrote a new file in the old one's place, with the same bytes.
    QVERIFY(inodeOf(file) != before);
    QCOMPARE(testing::contentsOf(file), original);
    QVERIFY(fake_.messages.empty());
    QVERIFY(!CAMBIATO(list_));
}

QTEST_MAIN(ToolTapesWindowTest)
#include "tool_tapes_window_test.moc"
