// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "qt/block_list_view.h"
#include "qt/entry_viewer.h"
#include "qt/main_window.h"
#include "qt/play_window.h"
#include "qt/program_fonts.h"
#include "seam/app_context.h"
#include "seam/error_handler.h"
#include "tape/inspect/basic_listing.h"
#include "tape/inspect/hex_dump.h"
#include "tape/inspect/screen_picture.h"
#include "tape/inspect/z80_disassembly.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/qt/qt_test_support.h"
#include "tests/qt/window_test_fixture.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/inspect/picture_difference.h"
#include "tests/tape/sound/entries_sound_file.h"

using namespace murax;
using murax::testing::FakeDesktop;

namespace {

const std::string kProgramData = testing::printOneProgram();
const std::string kProgram = testing::printOneEntry();
const std::string kScreen = testing::screenEntry();
const std::string kLoneData = testing::dataBlock("lone bytes");

QString joined(const std::vector<std::string>& lines)
{
    QString text;
    for (const std::string& line : lines)
        text += QString::fromStdString(line) + '\n';
    return text;
}

// The WAV file of these entries' sound, as the core makes it.
QByteArray soundOf(const std::vector<std::string_view>& entries, const SoundFormat& format)
{
    return QByteArray::fromStdString(testing::entriesSoundFile(entries, format));
}

// Fails the test at the first pixel of a picture `scale` times the screen's size that differs
// from the screen memory pattern's picture.
template <class PixelAt>
void expectSamePixels(int scale, PixelAt pixelAt)
{
    const auto differs =
        testing::firstDifference(*decodeScreen(testing::screenMemoryPattern()), scale, pixelAt);
    if (differs)
        QFAIL(qPrintable(QString("pixel %1,%2 differs").arg(differs->first).arg(differs->second)));
}

QStringList tabTitles(const QTabWidget& tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs.count(); ++i)
        titles << tabs.tabText(i);
    return titles;
}

}  // namespace

class EntryViewerTest : public QObject, public testing::WindowTest<FakeDesktop> {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void f3OpensTheViewerOnTheCurrentEntryAndEscClosesIt();
    void theViewerFollowsTheCurrentRowAndTheEditsMadeToIt();
    void aScreenIsDrawnAtTwiceItsSizeInTheSpectrumsColours();
    void theHexDumpCanBeSelectedAndCopied();
    void aHexDumpTooWideForTheViewerScrollsSideways();
    void theViewerOpensBesideTheWindowWithinTheWorkArea();
    void aRightClickOffersViewingAndExportOnTheCurrentEntry();
    void theMenuKeyOpensTheSameMenuAndTheViewerGoesWithTheWindow();
    void exportWritesTheScreenAsAPngOfTheSamePixels();
    void exportWritesAListingAsTextAndDataAsBytes();
    void anExportOntoAFolderIsReportedAndTheWindowsStay();
    void exportAsSoundWritesTheSelectedEntriesOrTheWholeTape();
    void playsBesideTheWindowWithoutASoundThatOutlivesIt();

private:
    using WindowTest::openWindow;
    EntryViewer& viewer() { return *window_->viewer(); }
    void pressF3() { QTest::keyClick(&view(), Qt::Key_F3); }
    void chooseFromContextMenu(const QString& entry);
};

void EntryViewerTest::initTestCase()
{
    prepareWindowTests();
    // The program's own handler: a failed write shows its message and abandons the command.
    ERRORSYS(app_);
}

void EntryViewerTest::init()
{
    beginWindowTest();
}

void EntryViewerTest::cleanup()
{
    endWindowTest();
}

void EntryViewerTest::chooseFromContextMenu(const QString& entry)
{
    QStringList offered;
    testing::whenMenuOpens([&](QMenu& menu) {
        for (QAction* action : menu.actions()) {
            offered << action->text();
            if (action->text() == entry)
                menu.setActiveAction(action);
        }
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    QTest::mouseClick(view().viewport(), Qt::RightButton, {},
                      view().visualRect(view().model()->index(0, 0)).center());
    QCOMPARE(offered, (QStringList{"Inspect\tF3", "Export...", "Export as sound...", "Play",
                                   "New entry from file..."}));
}

void EntryViewerTest::f3OpensTheViewerOnTheCurrentEntryAndEscClosesIt()
{
    openWindow(kProgram + kLoneData);
    QVERIFY(window_->viewer() == nullptr);
    pressF3();
    QVERIFY(window_->viewer() != nullptr);
    QTRY_VERIFY(viewer().isVisible());
    QVERIFY(!viewer().isModal());
    QCOMPARE(viewer().windowTitle(), QString("hello"));
    const QString details = viewer().details()->toPlainText();
    QVERIFY2(details.contains("Type: 0 (Program)"), qPrintable(details));
    QVERIFY2(details.contains("Autostart line: 10"), qPrintable(details));
    QVERIFY2(details.contains("OK      Data block: checksum"), qPrintable(details));
    QCOMPARE(tabTitles(*viewer().tabs()), (QStringList{"BASIC listing", "Hex dump"}));
    QCOMPARE(viewer().tabs()->currentWidget(), viewer().basicListing());
    QCOMPARE(viewer().basicListing()->toPlainText(),
             joined(basicListingText(listBasic(kProgramData, kProgramData.size(), 10))));
    QVERIFY(viewer().basicListing()->toPlainText().contains("   10 PRINT 1"));

    // The main window stays usable beside it; Esc in the viewer closes the viewer alone.
    QVERIFY(window_->isVisible());
    QTest::keyClick(viewer().basicListing(), Qt::Key_Escape);
    QTRY_VERIFY(!viewer().isVisible());
    QVERIFY(window_->isVisible());
    QCOMPARE(fake_.events, std::vector<std::string>());
}

void EntryViewerTest::theViewerFollowsTheCurrentRowAndTheEditsMadeToIt()
{
    openWindow(kProgram + kLoneData + kScreen);
    pressF3();
    QTRY_VERIFY(viewer().isVisible());
    QTest::keyClick(&view(), Qt::Key_Down);
    QCOMPARE(viewer().windowTitle(), QString("Data block"));
    QCOMPARE(tabTitles(*viewer().tabs()), (QStringList{"Disassembly", "Hex dump"}));
    QCOMPARE(viewer().tabs()->currentWidget(), viewer().disassembly());
    QCOMPARE(viewer().disassembly()->toPlainText(), joined(disassemblyLines("lone bytes", 0)));
    QCOMPARE(viewer().hexDump()->toPlainText(), joined(hexDumpLines(kLoneData)));
    QVERIFY(viewer().details()->toPlainText().contains("flag 0xFF as expected"));
    QTest::keyClick(&view(), Qt::Key_Down);
    QCOMPARE(viewer().windowTitle(), QString("picture"));
    QCOMPARE(tabTitles(*viewer().tabs()), (QStringList{"Screen", "Disassembly", "Hex dump"}));

    // Moving the entry up changes the tape under the current row: the viewer shows it again.
    QTest::keyClick(&view(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(view().currentPosition(), 2);
    QCOMPARE(viewer().windowTitle(), QString("picture"));

    // Deleting every entry leaves nothing to show.
    QTest::keyClick(&view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&view(), Qt::Key_Delete);
    QVERIFY(list_.empty());
    QVERIFY(!viewer().isVisible());
}

void EntryViewerTest::aScreenIsDrawnAtTwiceItsSizeInTheSpectrumsColours()
{
    openWindow(kScreen);
    pressF3();
    QTRY_VERIFY(viewer().isVisible());
    QCOMPARE(viewer().tabs()->currentWidget(), viewer().screen());
    const QImage shown = viewer().screen()->pixmap().toImage();
    QCOMPARE(shown.size(), QSize(512, 384));
    expectSamePixels(2, [&](int x, int y) { return shown.pixel(x, y) & 0xFFFFFF; });
}

void EntryViewerTest::theHexDumpCanBeSelectedAndCopied()
{
    openWindow(kProgram);
    pressF3();
    QTRY_VERIFY(viewer().isVisible());
    viewer().tabs()->setCurrentWidget(viewer().hexDump());
    QPlainTextEdit& hex = *viewer().hexDump();
    QVERIFY(hex.isReadOnly());
    hex.setFocus();
    QTest::keyClick(&hex, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&hex, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), joined(hexDumpLines(kProgram)));

    // The hex dump stays in front while the viewer follows the rows.
    window_->blockList()->select(1);
    QCOMPARE(viewer().tabs()->currentWidget(), viewer().hexDump());
}

void EntryViewerTest::aHexDumpTooWideForTheViewerScrollsSideways()
{
    openWindow(kProgram);
    pressF3();
    QTRY_VERIFY(viewer().isVisible());
    viewer().tabs()->setCurrentWidget(viewer().hexDump());
    // As narrow as its buttons let it be, which is narrower than a line of the dump.
    viewer().resize(300, viewer().height());
    QPlainTextEdit& hex = *viewer().hexDump();
    const int lineWidth =
        hex.fontMetrics().horizontalAdvance(QString::fromStdString(hexDumpLines(kProgram).front()));
    QTRY_VERIFY(hex.viewport()->width() < lineWidth);
    // Each line of the dump stays one line on the screen; its end is reached by scrolling.
    for (QTextBlock line = hex.document()->begin(); line.isValid(); line = line.next())
        QVERIFY2(!line.layout() || line.layout()->lineCount() <= 1, qPrintable(line.text()));
    QVERIFY(hex.horizontalScrollBar()->isVisible());
    QVERIFY(hex.horizontalScrollBar()->maximum() > 0);
}

// With the main window moved to either edge of the work area first: the viewer lies within the
// work area, level with the window's top, on the side with room, and covers no more of the window
// than the work area's width forces it to.
void EntryViewerTest::theViewerOpensBesideTheWindowWithinTheWorkArea()
{
    openWindow(kProgram);
    const QRect work = window_->screen()->availableGeometry();
    for (const bool windowAtLeft : {true, false}) {
        const int ownerWidth = window_->frameGeometry().width();
        window_->move(windowAtLeft ? work.left() : work.right() + 1 - ownerWidth, work.top());
        QTRY_COMPARE(window_->frameGeometry().top(), work.top());
        pressF3();
        QTRY_VERIFY(viewer().isVisible());
        const QRect owner = window_->frameGeometry();
        const QRect shown = viewer().frameGeometry();
        QVERIFY2(work.contains(shown), qPrintable(QString("%1,%2 %3x%4")
                                                      .arg(shown.x())
                                                      .arg(shown.y())
                                                      .arg(shown.width())
                                                      .arg(shown.height())));
        QCOMPARE(shown.top(), owner.top());
        QCOMPARE(owner.intersected(shown).width(),
                 std::max(0, owner.width() + shown.width() - work.width()));
        if (windowAtLeft)
            QVERIFY(shown.right() > owner.right());
        else
            QVERIFY(shown.left() < owner.left());
        // Put away, it opens beside the window again where the window is then.
        QTest::keyClick(&viewer(), Qt::Key_Escape);
        QTRY_VERIFY(!viewer().isVisible());
    }
}

void EntryViewerTest::aRightClickOffersViewingAndExportOnTheCurrentEntry()
{
    openWindow(kLoneData + kProgram + kScreen);
    QTest::keyClick(&view(), Qt::Key_Down);
    QCOMPARE(view().currentPosition(), 2);
    // A right click on row 1 opens the menu without moving the selection: it acts on row 2.
    chooseFromContextMenu("Inspect\tF3");
    QTRY_VERIFY(window_->viewer() != nullptr && viewer().isVisible());
    QCOMPARE(viewer().windowTitle(), QString("hello"));
    QCOMPARE(view().currentPosition(), 2);
    QCOMPARE(view().selectedPositions(), std::vector<int>{2});
}

void EntryViewerTest::theMenuKeyOpensTheSameMenuAndTheViewerGoesWithTheWindow()
{
    openWindow(kProgram);
    QStringList offered;
    testing::whenMenuOpens([&](QMenu& menu) {
        for (QAction* action : menu.actions())
            offered << action->text();
        menu.close();
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1),
                              view().viewport()->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(view().viewport(), &menuKey);
    QCOMPARE(offered, (QStringList{"Inspect\tF3", "Export...", "Export as sound...", "Play",
                                   "New entry from file..."}));

    pressF3();
    QTRY_VERIFY(viewer().isVisible());
    window_->reject();
    QVERIFY(!window_->isVisible());
    QVERIFY(!viewer().isVisible());
}

void EntryViewerTest::exportWritesTheScreenAsAPngOfTheSamePixels()
{
    openWindow(kScreen);
    pressF3();
    QTRY_VERIFY(viewer().isVisible());
    fake_.saveAnswers.push_back(testing::bytesOf(dir_->filePath("screen.png")));
    QTest::mouseClick(viewer().exportButton(), Qt::LeftButton);
    QCOMPARE(fake_.events,
             std::vector<std::string>{
                 "save: Export data bytes (a name ending in .png: the screen picture; in .asm: the "
                 "disassembly)"});
    QImage image;
    QVERIFY(image.load(dir_->filePath("screen.png"), "PNG"));
    QCOMPARE(image.size(), QSize(kScreenWidth, kScreenHeight));
    expectSamePixels(1, [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; });
    QVERIFY(viewer().isVisible());
}

void EntryViewerTest::exportWritesAListingAsTextAndDataAsBytes()
{
    openWindow(kProgram);
    fake_.saveAnswers.push_back("listing.txt");
    chooseFromContextMenu("Export...");
    QCOMPARE(testing::contentsOf(dir_->filePath("listing.txt")),
             joined(basicListingText(listBasic(kProgramData, kProgramData.size(), 10))).toUtf8());
    fake_.saveAnswers.push_back("program.bin");
    chooseFromContextMenu("Export...");
    QCOMPARE(testing::contentsOf(dir_->filePath("program.bin")),
             QByteArray::fromStdString(kProgramData));
    QVERIFY(fake_.messages.empty());
}

void EntryViewerTest::anExportOntoAFolderIsReportedAndTheWindowsStay()
{
    openWindow(kProgram);
    QVERIFY(QDir(dir_->path()).mkdir("folder.bin"));
    pressF3();
    QTRY_VERIFY(viewer().isVisible());
    fake_.saveAnswers.push_back(testing::bytesOf(dir_->filePath("folder.bin")));
    QTest::mouseClick(viewer().exportButton(), Qt::LeftButton);
    QCOMPARE(fake_.messages.size(), std::size_t{1});
    // The handler's message names the file in capitals.
    QVERIFY2(fake_.messages[0].text.find("FOLDER.BIN") != std::string::npos,
             fake_.messages[0].text.c_str());
    QVERIFY(QFileInfo(dir_->filePath("folder.bin")).isDir());
    QVERIFY(viewer().isVisible());
    QVERIFY(window_->isVisible());
    QVERIFY(!app_.commandRunning());
}

void EntryViewerTest::exportAsSoundWritesTheSelectedEntriesOrTheWholeTape()
{
    openWindow(kLoneData + kProgram + kScreen);
    QCOMPARE(view().selectedPositions(), std::vector<int>{1});
    fake_.saveAnswers.push_back("first");
    chooseFromContextMenu("Export as sound...");
    QCOMPARE(testing::contentsOf(dir_->filePath("first.wav")), soundOf({kLoneData}, {44100, 16}));
    QCOMPARE(fake_.choices.size(), std::size_t{1});
    QCOMPARE(fake_.choices[0].label,
             std::string("The selected 1 entry of 3 (select none for the whole tape), as a WAV "
                         "file.\nSound format:"));

    // From the viewer, with every row selected, in the last format offered.
    QTest::keyClick(&view(), Qt::Key_A, Qt::ControlModifier);
    pressF3();
    QTRY_VERIFY(viewer().isVisible());
    fake_.choiceAnswers.push_back(5);
    fake_.saveAnswers.push_back("all.wav");
    QTest::mouseClick(viewer().exportSoundButton(), Qt::LeftButton);
    QCOMPARE(fake_.choices.at(1).items.at(5), std::string("22.05 kHz, 8 bits"));
    QCOMPARE(testing::contentsOf(dir_->filePath("all.wav")),
             soundOf({kLoneData, kProgram, kScreen}, {22050, 8}));
    QVERIFY(fake_.messages.empty());
    QVERIFY(viewer().isVisible());
}

// The rest of Play's window is in the editing sessions both windows share.
void EntryViewerTest::playsBesideTheWindowWithoutASoundThatOutlivesIt()
{
    openWindow(kProgram + kLoneData);
    chooseFromContextMenu("Play");
    QCOMPARE(fake_.sounds.size(), std::size_t{1});
    QVERIFY(window_->playWindow() != nullptr && window_->playWindow()->isVisible());
    QVERIFY(!window_->playWindow()->isModal());
    window_->reject();
    QVERIFY(fake_.sounds[0]->silenced);
    QVERIFY(!window_->playWindow()->isVisible());
}

QTEST_MAIN(EntryViewerTest)
#include "entry_viewer_test.moc"
