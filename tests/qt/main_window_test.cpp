// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QRawFont>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "qt/block_list_view.h"
#include "qt/main_window.h"
#include "qt/properties_dialog.h"
#include "qt/status_bar.h"
#include "qt/toolbar.h"
#include "seam/app_context.h"
#include "seam/command_dispatch.h"
#include "seam/window_look.h"
#include "tape/commands/hex_editor_command.h"
#include "tape/format/display_charset.h"
#include "tape/format/tap_decoding.h"
#include "tape/model/block_info.h"
#include "tests/qt/qt_test_support.h"
#include "tests/qt/window_test_fixture.h"

using namespace murax;

// What a widget itself repaints from now on (its children's paints do not reach it).
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

class MainWindowTest : public QObject, public testing::WindowTest<> {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hasTheTemplatesFixedClientSizeAndCaption();
    void showsOneRowPerLineWithRowOneSelectedAfterShowing();
    void anEmptyTapeOpensWithNothingSelected();
    void ctrlUpMovesTheEntryWhenItsEventRecordsCtrl();
    void deleteAsksAndRemovesTheSelectedEntries();
    void rightClicksOpenTheContextMenuAndLeaveTheSelectionAlone();
    void enterAndDoubleClickOpenTheRenameDialogWithoutClosing();
    void escapeClosesTheWindow();
    void toolbarButtonsRunTheirCommandsOnThisWindow();
    void nothingRunsAndNothingClosesWhileTheHexEditorWaits();
    void listCharactersAdvanceEightPixels();
    void everyByteShowsInOneCellOfTheListFont();

private:
    QPoint rowCentre(int position)
    {
        return view().visualRect(view().model()->index(position - 1, 0)).center();
    }
    // The events a real double-click delivers: press, release, double-click, release.
    void doubleClick(Qt::MouseButton button, const QPoint& position)
    {
        QTest::mouseClick(view().viewport(), button, {}, position);
        QTest::mouseDClick(view().viewport(), button, {}, position);
        QTest::mouseRelease(view().viewport(), button, {}, position);
    }
};

void MainWindowTest::initTestCase()
{
    prepareWindowTests();
}

void MainWindowTest::init()
{
    beginWindowTest();
}

void MainWindowTest::cleanup()
{
    endWindowTest();
}

void MainWindowTest::hasTheTemplatesFixedClientSizeAndCaption()
{
    openWindow(testing::headerEntry("one"));
    QCOMPARE(window_->size(), QSize(446, 602));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->windowTitle(), QString("Murax 1.05"));
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
    QCOMPARE(view().geometry(), QRect(0, 50, 446, 528));
    QCOMPARE(window_->statusBar()->geometry(), QRect(0, 578, 446, 24));
    QCOMPARE(&window_->listBox(), static_cast<ListBox*>(&view()));
    QVERIFY(view().hasFocus());
    // The program icon is every window's, dialogs included.
    QCOMPARE(QApplication::windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
}

void MainWindowTest::showsOneRowPerLineWithRowOneSelectedAfterShowing()
{
    openWindow(testing::headerEntry("first") + testing::dataEntry(5) +
               testing::headerEntry("last"));
    QCOMPARE(view().count(), 3);
    QCOMPARE(view().model()->rowCount(), static_cast<int>(list_.lines().size()));
    QCOMPARE(view().model()->index(1, 0).data().toString(),
             QString::fromStdString(list_.lines()[1].str()));
    QCOMPARE(view().currentPosition(), 1);
    QCOMPARE(view().selectedPositions(), std::vector<int>{1});
    QCOMPARE(window_->statusBar()->text(), QString::fromStdString(BLKINFO(list_)));
    QVERIFY(window_->statusBar()->text().startsWith("Blocks: 3     File: "));
}

void MainWindowTest::anEmptyTapeOpensWithNothingSelected()
{
    openWindow("");
    QCOMPARE(view().count(), 0);
    QCOMPARE(view().currentPosition(), 0);
    QVERIFY(view().selectedPositions().empty());
    QVERIFY(window_->statusBar()->text().startsWith("Blocks: 0     File: "));
}

void MainWindowTest::ctrlUpMovesTheEntryWhenItsEventRecordsCtrl()
{
    openWindow(testing::headerEntry("one") + testing::headerEntry("two") +
               testing::headerEntry("three"));
    const DisplayLines original = list_.lines();
    QCOMPARE(view().currentPosition(), 1);

    // Row 1 cannot move up, and the key is consumed: not even the focus row moves.
    QTest::keyClick(&view(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(list_.lines(), original);
    QCOMPARE(view().currentPosition(), 1);
    QCOMPARE(view().selectedPositions(), std::vector<int>{1});

    // Up and Down without Ctrl move the focus row as usual.
    QTest::keyClick(&view(), Qt::Key_Down);
    QTest::keyClick(&view(), Qt::Key_Down);
    QTest::keyClick(&view(), Qt::Key_Up);
    QCOMPARE(view().currentPosition(), 2);
    QCOMPARE(list_.lines(), original);

    QTest::keyClick(&view(), Qt::Key_Down);
    QCOMPARE(view().currentPosition(), 3);
    QCOMPARE(list_.lines(), original);

    // The event records Ctrl, though the keyboard holds no key by the time it is handled: the
    // event is what counts.
    QVERIFY(!QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier));
    QTest::keyClick(&view(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(list_.lines()[1], original[2]);
    QCOMPARE(list_.lines()[2], original[1]);
    QCOMPARE(view().currentPosition(), 2);
    QCOMPARE(view().selectedPositions(), std::vector<int>{2});
    QCOMPARE(view().model()->index(1, 0).data().toString(),
             QString::fromStdString(original[2].str()));
}

void MainWindowTest::deleteAsksAndRemovesTheSelectedEntries()
{
    openWindow(testing::headerEntry("a") + testing::dataEntry(1) + testing::headerEntry("c") +
               testing::dataEntry(3));
    const DisplayLines original = list_.lines();
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, rowCentre(2));
    QTest::mouseClick(view().viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(4));
    QCOMPARE(view().selectedPositions(), (std::vector<int>{2, 4}));

    fake_.messageAnswers = {Desktop::No};
    QTest::keyClick(&view(), Qt::Key_Delete);
    QCOMPARE(fake_.messages.size(), std::size_t{1});
    QCOMPARE(fake_.messages[0].kind, 4);
    QCOMPARE(list_.lines(), original);
    QCOMPARE(view().selectedPositions(), (std::vector<int>{2, 4}));

    fake_.messageAnswers = {Desktop::Yes};
    QTest::keyClick(&view(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(list_.lines(), (DisplayLines{original[0], original[2]}));
    QCOMPARE(view().count(), 2);
    QCOMPARE(view().selectedPositions(), std::vector<int>{2});
    QCOMPARE(window_->statusBar()->text(), QString::fromStdString(BLKINFO(list_)));
    QVERIFY(window_->statusBar()->text().startsWith("Blocks: 2 "));

    // With no row selected nothing goes, yet the list is reloaded with the current row selected,
    // and the window repainted.
    QTest::mouseClick(view().viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(2));
    QVERIFY(view().selectedPositions().empty());
    QCOMPARE(view().currentPosition(), 2);
    PaintRecorder paints(window_.get());
    fake_.messageAnswers = {Desktop::Yes};
    QTest::keyClick(&view(), Qt::Key_Delete);
    QCOMPARE(list_.lines(), (DisplayLines{original[0], original[2]}));
    QCOMPARE(view().selectedPositions(), std::vector<int>{2});
    // The window itself, its title band with it, not only the strips its children left bare.
    const QRegion band(0, 33, 446, 14);
    QTRY_VERIFY((band - paints.painted).isEmpty());
}

void MainWindowTest::rightClicksOpenTheContextMenuAndLeaveTheSelectionAlone()
{
    openWindow(testing::headerEntry("a") + testing::headerEntry("b") + testing::headerEntry("c"));
    QCOMPARE(view().currentPosition(), 1);
    // Every menu or dialog these clicks open is recorded and closed, so none blocks the test.
    testing::UnexpectedWindowWatch watch;
    QTest::mouseClick(view().viewport(), Qt::RightButton, {}, rowCentre(3));
    QCOMPARE(watch.seen, QStringList{"QMenu"});
    // A right double-click opens the menu once, nothing more; a middle click opens nothing.
    doubleClick(Qt::RightButton, rowCentre(2));
    QCOMPARE(watch.seen, (QStringList{"QMenu", "QMenu"}));
    QTest::mouseClick(view().viewport(), Qt::MiddleButton, {}, rowCentre(3));
    QCOMPARE(view().currentPosition(), 1);
    QCOMPARE(view().selectedPositions(), std::vector<int>{1});
    QCOMPARE(watch.seen, (QStringList{"QMenu", "QMenu"}));
    // Closing the menu ran nothing.
    QVERIFY(window_->viewer() == nullptr);
    QCOMPARE(fake_.events, std::vector<std::string>());
}

void MainWindowTest::enterAndDoubleClickOpenTheRenameDialogWithoutClosing()
{
    openWindow(testing::headerEntry("hello") + testing::dataEntry(2));
    QCOMPARE(view().currentPosition(), 1);
    int dialogsSeen = 0;
    auto cancelNextDialog = [&dialogsSeen] {
        QTimer::singleShot(0, [&dialogsSeen] {
            if (auto* dialog = qobject_cast<PropertiesDialog*>(QApplication::activeModalWidget())) {
                ++dialogsSeen;
                dialog->reject();
            }
        });
    };

    cancelNextDialog();
    QTest::keyClick(&view(), Qt::Key_Return);
    QCOMPARE(dialogsSeen, 1);
    cancelNextDialog();
    QTest::keyClick(&view(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(dialogsSeen, 2);
    QVERIFY(window_->isVisible());

    // On the data entry Enter has nothing to rename, and still does not close the window.
    QTest::keyClick(&view(), Qt::Key_Down);
    QTest::keyClick(&view(), Qt::Key_Return);
    QVERIFY(window_->isVisible());

    cancelNextDialog();
    doubleClick(Qt::LeftButton, rowCentre(1));
    QCOMPARE(dialogsSeen, 3);
    QCOMPARE(view().currentPosition(), 1);
    QVERIFY(window_->isVisible());
}

void MainWindowTest::escapeClosesTheWindow()
{
    openWindow(testing::headerEntry("x"));
    QTest::keyClick(&view(), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->result(), int(QDialog::Rejected));

    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QVERIFY(window_->close());
    QVERIFY(!window_->isVisible());
}

void MainWindowTest::toolbarButtonsRunTheirCommandsOnThisWindow()
{
    openWindow(testing::headerEntry("a") + testing::headerEntry("b") + testing::headerEntry("c"));
    const DisplayLines original = list_.lines();
    Toolbar& toolbar = *window_->toolbar();
    auto click = [&toolbar](ToolbarButton button) {
        QTest::mouseClick(&toolbar, Qt::LeftButton, {}, toolbar.buttonRect(button).center());
    };

    click(ToolbarButton::MoveDown);
    QCOMPARE(list_.lines(), (DisplayLines{original[1], original[0], original[2]}));
    QCOMPARE(view().selectedPositions(), std::vector<int>{2});

    fake_.messageAnswers = {Desktop::Yes};
    click(ToolbarButton::Delete);
    QCOMPARE(list_.lines(), (DisplayLines{original[1], original[2]}));
    QVERIFY(window_->statusBar()->text().startsWith("Blocks: 2 "));

    click(ToolbarButton::Run);
    QCOMPARE(fake_.opened, std::vector<std::string>{list_.currentFile});
    QVERIFY(view().hasFocus());
}

void MainWindowTest::nothingRunsAndNothingClosesWhileTheHexEditorWaits()
{
    openWindow(testing::headerEntry("one") + testing::headerEntry("two"));
    QCOMPARE(view().currentPosition(), 1);
    QVERIFY(testing::writeBytes(dir_->filePath("MURAX.INI"), "[Edit]\nHex editor=hexed\n"));
    fake_.exeFolder = QFile::encodeName(dir_->path()).toStdString() + "/";
    const DisplayLines original = list_.lines();

    bool stayedOpen = false;
    int beepsWhileWaiting = 0;
    fake_.onRun = [&](const std::string&) {
        // What the user does while the hex editor runs: none of it may start a command or close
        // the window, which would leave the hand-off writing to a shifted or vanished entry.
        // Each refusal beeps.
        const int beepsBefore = fake_.beeps;
        QTest::keyClick(&view(), Qt::Key_Delete);
        QTest::keyClick(&view(), Qt::Key_F2);
        doubleClick(Qt::LeftButton, rowCentre(2));
        QTest::keyClick(&view(), Qt::Key_Escape);
        window_->close();
        Toolbar& toolbar = *window_->toolbar();
        QTest::mouseClick(&toolbar, Qt::LeftButton, {}, toolbar.buttonRect(0).center());
        stayedOpen = window_->isVisible();
        beepsWhileWaiting = fake_.beeps - beepsBefore;
        return 0;
    };
    QVERIFY(dispatchCommand(app_, [this] { MODHEX(*window_, list_); }));

    QCOMPARE(fake_.commandLines.size(), std::size_t{1});
    QVERIFY(stayedOpen);
    QCOMPARE(beepsWhileWaiting, 6);
    QVERIFY(fake_.messages.empty());
    QCOMPARE(
        std::count(fake_.events.begin(), fake_.events.end(), "open: Select a TAP file to open"), 0);
    QCOMPARE(list_.lines(), original);
    QVERIFY(!app_.commandRunning());

    // Once the hand-off has ended the window closes again.
    QTest::keyClick(&view(), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
}

void MainWindowTest::listCharactersAdvanceEightPixels()
{
    openWindow(testing::headerEntry("x"));
    const QFontMetrics metrics(view().font());
    QCOMPARE(metrics.horizontalAdvance(QChar('M')), 8);
    QCOMPARE(metrics.horizontalAdvance(QString(52, QChar('0'))), 416);
    QCOMPARE(QFontMetrics(window_->font()).horizontalAdvance(QChar('i')), 8);
}

void MainWindowTest::everyByteShowsInOneCellOfTheListFont()
{
    // 26 headers whose names hold the 256 byte values in order, ten to a name.
    std::string tape;
    for (int start = 0; start < 256; start += 10) {
        std::string name;
        for (int b = start; b < std::min(start + 10, 256); ++b)
            name += static_cast<char>(b);
        tape += testing::headerEntry(name);
    }
    openWindow(tape);
    const QRawFont raw = QRawFont::fromFont(view().font());
    QCOMPARE(raw.familyName().toLower(), QString("liberation mono"));
    for (int b = 0; b < 256; ++b) {
        const int row = b / 10;
        const QString shown = view().model()->index(row, 0).data().toString();
        const QList<uint> characters = shown.toUcs4();
        const uint c = characters.at(b % 10);
        QCOMPARE(c, uint(displayCharForByte(static_cast<unsigned char>(b))));
        // Drawn by the list font itself, one 8-pixel cell wide: no fallback font, no column shift.
        QVERIFY2(raw.supportsCharacter(c), qPrintable(QString::number(b, 16)));
        const QList<quint32> glyph =
            raw.glyphIndexesForString(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1));
        QCOMPARE(glyph.size(), 1);
        QCOMPARE(raw.advancesForGlyphIndexes(glyph, QRawFont::KernedAdvances).first().x(), 8.0);
    }

    // The soft hyphen (0xAD) is drawn too, though text layout would hide it: its cell has ink.
    const QImage image = view().viewport()->grab().toImage();
    const QColor base = view().palette().color(QPalette::Base);
    auto inkOf = [&](int byte) {
        const QRect row = view().visualRect(view().model()->index(byte / 10, 0));
        const int left = row.left() + block_list::kLeftMargin + byte % 10 * 8;
        int ink = 0;
        for (int y = row.top(); y <= row.bottom(); ++y)
            for (int x = left; x < left + 8; ++x)
                ink += image.pixelColor(x, y) != base;
        return ink;
    };
    QVERIFY(inkOf(0xAD) > 0);
    QCOMPARE(inkOf(0xA0), 0);  // the no-break space is blank, as a space is  // the no-break space
                               // is blank, as a space is
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
