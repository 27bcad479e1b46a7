// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

#include <string>
#include <vector>

#include "qt/block_list_model.h"
#include "qt/block_list_view.h"
#include "qt/program_fonts.h"
#include "seam/window_look.h"

using namespace murax;

namespace {

DisplayLines numberedLines(int count)
{
    DisplayLines lines;
    for (int i = 1; i <= count; ++i)
        lines.emplace_back("line " + std::to_string(i));
    return lines;
}

}  // namespace

// The list box rules the commands rely on, checked on the real Qt view.
class BlockListViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void modelPassesTheItemModelChecksAcrossReloads();
    void modelReadsTheBoundLinesInPlaceAndCopiesOthers();
    void modelKeepsItsRowCountUntilTheNextReload();
    void reloadLeavesNoSelectionNoCurrentRowAndTheTopInView();
    void selectAddsToTheSelectionAndMovesTheCurrentRow();
    void selectScrollsTheRowIntoView();
    void theRowArithmeticAgreesWithTheViewsOwnRows();
    void scrollBarIsDisabledWhileEveryRowFits();
    void rowsCannotBeEdited();
    void eachCharacterSitsInItsOwnCell();
    void selectedRowsAreHighlighted();
    void clicksAndDragsSelectAsOnAnyDesktop();
    void keysSelectAsOnAnyDesktop();

private:
    // Shows the view at the window's list width and `height`; false if it never appears.
    static bool shown(BlockListView& view, int height)
    {
        view.resize(446, height);
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
    // A move of the mouse with the left button held down.
    static void dragTo(QWidget* area, QPoint point)
    {
        QMouseEvent move(QEvent::MouseMove, point, area->mapToGlobal(point), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &move);
    }
    static QPoint rowCentre(BlockListView& view, int position)
    {
        return view.visualRect(view.model()->index(position - 1, 0)).center();
    }
    static QImage rowImage(BlockListView& view, int row)
    {
        const QRect rect = view.visualRect(view.model()->index(row, 0));
        return view.viewport()->grab(rect).toImage();
    }
};

void BlockListViewTest::modelPassesTheItemModelChecksAcrossReloads()
{
    DisplayLines lines = numberedLines(5);
    BlockListModel model(lines);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    lines.erase(lines.begin() + 1);
    model.reload(lines);
    lines.clear();
    model.reload(lines);
    model.reload(numberedLines(3));
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(2, 0).data().toString(), QString("line 3"));
}

void BlockListViewTest::modelReadsTheBoundLinesInPlaceAndCopiesOthers()
{
    DisplayLines lines = {DisplayLine(std::string_view("AB\x7F\x8F\x00\xE9\x80", 7))};
    BlockListModel model(lines);
    // Each byte is one character: the code page's own, or a stand-in where it has none.
    QCOMPARE(model.index(0, 0).data().toString(),
             QString::fromUtf8("AB\u2302\u2593\u25A1\u00E9\u20AC"));
    lines[0] = DisplayLine("changed");
    QCOMPARE(model.index(0, 0).data().toString(), QString("changed"));

    {
        DisplayLines temporary = {DisplayLine("kept")};
        model.reload(temporary);
    }
    QCOMPARE(model.index(0, 0).data().toString(), QString("kept"));
    model.reload(lines);
    QCOMPARE(model.index(0, 0).data().toString(), QString("changed"));
}

void BlockListViewTest::modelKeepsItsRowCountUntilTheNextReload()
{
    // A command changes the lines first and reloads after; the view must not see rows appear or
    // read past the end in between.
    DisplayLines lines = numberedLines(3);
    BlockListModel model(lines);
    lines.emplace_back("new");
    QCOMPARE(model.rowCount(), 3);
    lines.resize(1);
    QCOMPARE(model.rowCount(), 3);
    QVERIFY(!model.index(2, 0).data().isValid());
    model.reload(lines);
    QCOMPARE(model.rowCount(), 1);
}

void BlockListViewTest::reloadLeavesNoSelectionNoCurrentRowAndTheTopInView()
{
    DisplayLines lines = numberedLines(200);
    BlockListView view(lines, nullptr);
    view.resize(446, 528);
    view.show();
    view.select(150);
    QVERIFY(view.indexAt(QPoint(1, 1)).row() > 0);

    view.reload(lines);
    QCOMPARE(view.currentPosition(), 0);
    QVERIFY(view.selectedPositions().empty());
    QCOMPARE(view.indexAt(QPoint(1, 1)).row(), 0);
    QCOMPARE(view.count(), 200);
}

void BlockListViewTest::selectAddsToTheSelectionAndMovesTheCurrentRow()
{
    DisplayLines lines = numberedLines(6);
    BlockListView view(lines, nullptr);
    view.select(5);
    view.select(2);
    view.select(4);
    QCOMPARE(view.selectedPositions(), (std::vector<int>{2, 4, 5}));
    QCOMPARE(view.currentPosition(), 4);

    view.select(0);
    view.select(7);
    QCOMPARE(view.selectedPositions(), (std::vector<int>{2, 4, 5}));
    QCOMPARE(view.currentPosition(), 4);

    DisplayLines none;
    view.reload(none);
    view.select(1);
    QCOMPARE(view.count(), 0);
    QCOMPARE(view.currentPosition(), 0);
    QVERIFY(view.selectedPositions().empty());
}

void BlockListViewTest::selectScrollsTheRowIntoView()
{
    DisplayLines lines = numberedLines(1000);
    BlockListView view(lines, nullptr);
    QVERIFY(shown(view, 528));
    view.select(900);
    const QRect row = view.visualRect(view.model()->index(899, 0));
    QVERIFY(view.viewport()->rect().contains(row));
}

void BlockListViewTest::theRowArithmeticAgreesWithTheViewsOwnRows()
{
    // Where a drag is and where a drop lands are worked out from the rows' height and the first
    // row's place; they must find the rows the view itself finds, scrolled or not.
    DisplayLines lines = numberedLines(1000);
    BlockListView view(lines, nullptr);
    QVERIFY(shown(view, 528));
    for (const int scrolledTo : {1, 500, 1000}) {
        view.select(scrolledTo);
        const RowGeometry rows = view.rowGeometry();
        QCOMPARE(rows.visibleHeight, view.viewport()->height());
        for (int y = 0; y < view.viewport()->height(); ++y) {
            const QModelIndex index = view.indexAt(QPoint(1, y));
            QCOMPARE(rows.rowAt(y), index.isValid() ? index.row() : -1);
            if (index.isValid())
                QCOMPARE(rows.dropLineY(index.row() + 1), view.visualRect(index).top());
        }
    }
    // Below the last row of a short list there is no row.
    lines = numberedLines(3);
    view.reload(lines);
    QCOMPARE(view.rowGeometry().rowAt(100), -1);
    QVERIFY(!view.indexAt(QPoint(1, 100)).isValid());
}

void BlockListViewTest::scrollBarIsDisabledWhileEveryRowFits()
{
    DisplayLines lines = numberedLines(3);
    BlockListView view(lines, nullptr);
    QVERIFY(shown(view, 528));
    QScrollBar* bar = view.verticalScrollBar();
    QVERIFY(bar->isVisible());
    QVERIFY(!bar->isEnabled());

    // 33 rows of 16 pixels fill the 528 exactly; one more needs the bar.
    for (const auto& [rows, enabled] :
         {std::pair{34, true}, {33, false}, {200, true}, {0, false}}) {
        lines = numberedLines(rows);
        view.reload(lines);
        QCoreApplication::processEvents();
        QVERIFY(bar->isVisible());
        QVERIFY2(bar->isEnabled() == enabled, qPrintable(QString::number(rows)));
    }
}

void BlockListViewTest::rowsCannotBeEdited()
{
    DisplayLines lines = numberedLines(2);
    BlockListView view(lines, nullptr);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.select(1);
    QVERIFY(!(view.model()->flags(view.model()->index(0, 0)) & Qt::ItemIsEditable));
    QTest::keyClick(&view, Qt::Key_F2);
    const QPoint row = view.visualRect(view.model()->index(0, 0)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, row);
    QVERIFY(view.findChildren<QLineEdit*>().isEmpty());
}

void BlockListViewTest::eachCharacterSitsInItsOwnCell()
{
    // Two full blocks, in cells 0 and 9, and nothing else: ink only where those cells are.
    DisplayLines lines = {DisplayLine("\x8F" + std::string(8, ' ') + "\x8F")};
    BlockListView view(lines, nullptr);
    view.setFont(mainWindowFont());
    QVERIFY(shown(view, 100));
    const QImage image = rowImage(view, 0);
    QCOMPARE(image.height(), 16);
    const QRgb background = view.palette().color(QPalette::Base).rgb();
    auto inked = [&](int x) {
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background)
                return true;
        return false;
    };
    constexpr int margin = block_list::kLeftMargin;
    for (int x = 0; x < image.width(); ++x) {
        const bool insideCell0 = x >= margin - 1 && x <= margin + 8;
        const bool insideCell9 = x >= margin + 72 - 1 && x <= margin + 80;
        if (!insideCell0 && !insideCell9)
            QVERIFY2(!inked(x), qPrintable(QString("ink at x %1").arg(x)));
    }
    QVERIFY(inked(margin + 4));
    QVERIFY(inked(margin + 76));
}

void BlockListViewTest::selectedRowsAreHighlighted()
{
    DisplayLines lines = numberedLines(2);
    BlockListView view(lines, nullptr);
    QVERIFY(shown(view, 100));
    view.select(2);
    const QColor highlight = view.palette().color(QPalette::Highlight);
    const QColor base = view.palette().color(QPalette::Base);
    QCOMPARE(rowImage(view, 1).pixelColor(300, 8), highlight);
    QCOMPARE(rowImage(view, 0).pixelColor(300, 8), base);
}

void BlockListViewTest::clicksAndDragsSelectAsOnAnyDesktop()
{
    DisplayLines lines = numberedLines(8);
    BlockListView view(lines, nullptr);
    QVERIFY(shown(view, 300));
    QWidget* area = view.viewport();
    using Rows = std::vector<int>;

    QTest::mouseClick(area, Qt::LeftButton, {}, rowCentre(view, 2));
    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, rowCentre(view, 4));
    QCOMPARE(view.selectedPositions(), (Rows{2, 3, 4}));
    QCOMPARE(view.currentPosition(), 4);
    QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier, rowCentre(view, 7));
    QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier, rowCentre(view, 3));
    QCOMPARE(view.selectedPositions(), (Rows{2, 4, 7}));
    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                      rowCentre(view, 1));
    QCOMPARE(view.selectedPositions(), (Rows{1, 2, 3, 4, 7}));
    QTest::mouseClick(area, Qt::LeftButton, {}, rowCentre(view, 6));
    QCOMPARE(view.selectedPositions(), Rows{6});

    // A drag selects from where it began to the row under the pointer, and back again.
    QTest::mousePress(area, Qt::LeftButton, {}, rowCentre(view, 2));
    dragTo(area, rowCentre(view, 5));
    QCOMPARE(view.selectedPositions(), (Rows{2, 3, 4, 5}));
    dragTo(area, rowCentre(view, 3));
    QTest::mouseRelease(area, Qt::LeftButton, {}, rowCentre(view, 3));
    QCOMPARE(view.selectedPositions(), (Rows{2, 3}));
    QCOMPARE(view.currentPosition(), 3);

    // Below the last row: a plain click clears the selection, a Ctrl+click leaves it.
    const QPoint belowTheRows(100, view.visualRect(view.model()->index(7, 0)).bottom() + 20);
    QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier, belowTheRows);
    QCOMPARE(view.selectedPositions(), (Rows{2, 3}));
    QTest::mouseClick(area, Qt::LeftButton, {}, belowTheRows);
    QVERIFY(view.selectedPositions().empty());
}

void BlockListViewTest::keysSelectAsOnAnyDesktop()
{
    DisplayLines lines = numberedLines(8);
    BlockListView view(lines, nullptr);
    QVERIFY(shown(view, 300));
    using Rows = std::vector<int>;
    view.select(3);

    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.selectedPositions(), Rows{4});
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(view.selectedPositions(), (Rows{4, 5, 6}));
    QTest::keyClick(&view, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(view.selectedPositions(), (Rows{4, 5}));
    QCOMPARE(view.currentPosition(), 5);

    // Ctrl moves the focus row alone; Ctrl+Space toggles it, Space adds it.
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(view.currentPosition(), 8);
    QCOMPARE(view.selectedPositions(), (Rows{4, 5}));
    QTest::keyClick(&view, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(view.selectedPositions(), (Rows{4, 5, 8}));
    QTest::keyClick(&view, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(view.selectedPositions(), (Rows{4, 5}));
    QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_Space);
    QCOMPARE(view.selectedPositions(), (Rows{1, 4, 5}));

    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(view.selectedPositions().size(), std::size_t{8});
    QTest::keyClick(&view, Qt::Key_End);
    QCOMPARE(view.selectedPositions(), Rows{8});
    // Typing the start of a line, after a pause that ends the earlier typing (the Space), selects
    // that line alone.
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(&view, "line 2");
    QCOMPARE(view.currentPosition(), 2);
    QCOMPARE(view.selectedPositions(), Rows{2});
}

QTEST_MAIN(BlockListViewTest)
#include "block_list_view_test.moc"
