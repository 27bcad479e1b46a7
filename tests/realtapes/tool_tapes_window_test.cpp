// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A tape made by zmakebas and pasmo, opened by the program's start-up load into the real window
// (offscreen) and saved with F9: the window shows the lines tzxlist agrees with, and the file
// written is the file read, byte for byte.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "app/block_list_view.h"
#include "app/main_window.h"
#include "app/program_fonts.h"
#include "support/app_context.h"
#include "support/desktop_services.h"
#include "support/runtime_errors.h"
#include "tape/block_list.h"
#include "tape/display_charset.h"
#include "tape/change_detection.h"
#include "tape/open_commands.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/realtapes/tzxlist_listing.h"

using namespace murax;

namespace {

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ino_t inodeOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

}  // namespace

class ToolTapesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        previous_ = installErrorHandler([](const ErrorRecord& record) -> ErrorResult {
            qWarning("unexpected runtime error on %s", record.FILENAME.c_str());
            throw CommandAbandoned{};
        });
    }
    void cleanupTestCase()
    {
        installErrorHandler(previous_);
    }

    void openThenSaveInTheWindowGivesTheFileBack();

private:
    testing::FakeDesktop fake_;
    AppContext app_{fake_};
    ErrorHandler previous_;
};

void ToolTapesWindowTest::openThenSaveInTheWindowGivesTheFileBack()
{
    for (const char* tool : {"zmakebas", "pasmo", "tzxlist"})
        if (!testing::toolInstalled(tool))
            QSKIP("zmakebas, pasmo or tzxlist is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    int status = 0;
    testing::runCommand(
        "cd '" + folder + "' && printf '10 LOAD \"\"CODE\\n20 RANDOMIZE USR 32768\\n' >l.bas"
        " && printf '\\tORG 32768\\n\\tRET\\n\\tDEFB 0E4h\\n' >c.asm"
        " && zmakebas -a 10 -n loader -o l.tap l.bas && pasmo --tap --name game c.asm c.tap"
        " && cat l.tap c.tap >game.tap",
        status);
    QCOMPARE(status, 0);
    const std::string file = folder + "/game.tap";
    const std::string original = readBytes(file);
    const std::vector<testing::ListedBlock> blocks =
        testing::parseTzxlist(testing::runCommand("tzxlist '" + file + "'", status));
    QCOMPARE(blocks.size(), std::size_t{4});

    BlockList list;
    const std::string argument = folder + "/game";
    QVERIFY(startupLoad(app_, &argument, list));
    {
        MainWindow window(app_, list);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        BlockListView& view = *window.blockList();
        QTRY_COMPARE(view.selectedPositions(), std::vector<int>{1});

        // Each row shows its line, with the names and numbers tzxlist reads in the file.
        QCOMPARE(view.count(), 2);
        for (int row = 0; row < 2; ++row) {
            const QString shown = view.model()->index(row, 0).data().toString();
            QCOMPARE(shown, QString::fromStdString(bytesToDisplayUtf8(list.lines()[row].view())));
            const testing::ListedBlock& header = blocks[static_cast<std::size_t>(row) * 2];
            QCOMPARE(shown.left(10), QString::fromStdString(header.name));
            QCOMPARE(shown.mid(36, 5).trimmed().toInt(), header.parameter1);
            QCOMPARE(shown.mid(47, 5).trimmed().toInt(), header.zxLength);
        }

        const ino_t before = inodeOf(file);
        QTest::keyClick(&view, Qt::Key_F9);
        // The save wrote a new file in the old one's place, with the same bytes.
        QVERIFY(inodeOf(file) != before);
        QCOMPARE(readBytes(file), original);
        QVERIFY(fake_.messages.empty());
        QVERIFY(!CAMBIATO(list));
    }
}

QTEST_MAIN(ToolTapesWindowTest)
#include "tool_tapes_window_test.moc"
