// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

#include "qt/block_list_view.h"
#include "qt/main_window.h"
#include "qt/program_fonts.h"
#include "qt/status_bar.h"
#include "seam/app_context.h"
#include "tape/model/block_info.h"
#include "tests/qt/qt_clipboard_desktop.h"
#include "tests/qt/qt_test_support.h"
#include "tests/qt/window_test_fixture.h"

using namespace murax;
using testing::dataEntry;
using testing::headerEntry;

// Undo and redo, the clipboard and dropped files in the real window, each checked on the bytes
// that F9 then saves; the rows dragged are editing sessions (editing_parity_test.cpp).
class EditGesturesTest : public QObject, public testing::WindowTest<testing::QtClipboardDesktop> {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void undoAndRedoKeysFollowDeleteAndTheStatusBar();
    void copiedEntriesPasteIntoAnotherWindowAsTheSameBytes();
    void droppedLocalFilesGoBeforeTheRowUnderThePointer();
    void aCutShortEntryIsKeptLastWhateverTheGesture();

private:
    using WindowTest::openWindow;
    QPoint rowCentre(int position)
    {
        return view().visualRect(view().model()->index(position - 1, 0)).center();
    }
    void pressKey(Qt::Key key, bool ctrl = false, bool shift = false)
    {
        Qt::KeyboardModifiers modifiers;
        modifiers.setFlag(Qt::ControlModifier, ctrl);
        modifiers.setFlag(Qt::ShiftModifier, shift);
        QTest::keyClick(&view(), key, modifiers);
    }
    // F9, then what the file holds.
    QByteArray saved()
    {
        pressKey(Qt::Key_F9);
        return testing::contentsOf(dir_->filePath("game.tap"));
    }
    static QByteArray bytes(const std::string& text)
    {
        return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    }
    // A drag of `data` entering the list at `point`, moved there and dropped; whether the list
    // accepted it.
    bool dropOn(QMimeData& data, QPoint point, Qt::DropActions actions = Qt::CopyAction)
    {
        QWidget* area = view().viewport();
        QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &move);
        QDropEvent drop(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &drop);
        return move.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }
};

void EditGesturesTest::initTestCase()
{
    prepareWindowTests();
}

void EditGesturesTest::init()
{
    beginWindowTest();
}

void EditGesturesTest::cleanup()
{
    endWindowTest();
}

void EditGesturesTest::undoAndRedoKeysFollowDeleteAndTheStatusBar()
{
    const std::string a = headerEntry("a"), b = dataEntry(2), c = headerEntry("c");
    openWindow(a + b + c);
    QTest::mouseClick(view().viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(3));
    fake_.messageAnswers = {Desktop::Yes};
    pressKey(Qt::Key_Delete);
    QCOMPARE(saved(), bytes(b));
    QVERIFY(window_->statusBar()->text().startsWith("Blocks: 1 "));

    pressKey(Qt::Key_Z, true);
    QCOMPARE(view().selectedPositions(), (std::vector<int>{1, 3}));
    QCOMPARE(view().currentPosition(), 3);
    QCOMPARE(window_->statusBar()->text(), QString::fromStdString(BLKINFO(list_)));
    QCOMPARE(saved(), bytes(a + b + c));

    pressKey(Qt::Key_Z, true, true);  // Ctrl+Shift+Z redoes rather than undoes
    QCOMPARE(saved(), bytes(b));
    pressKey(Qt::Key_Z, true);
    pressKey(Qt::Key_Y, true);
    QCOMPARE(saved(), bytes(b));
    // Without Ctrl the letters only search the list.
    pressKey(Qt::Key_Z);
    QCOMPARE(saved(), bytes(b));
}

void EditGesturesTest::copiedEntriesPasteIntoAnotherWindowAsTheSameBytes()
{
    const std::string one = headerEntry("one"), two = dataEntry(7), three = headerEntry("three");
    openWindow(one + two + three);
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, rowCentre(2));
    QTest::mouseClick(view().viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(3));
    pressKey(Qt::Key_C, true);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied != nullptr);
    QCOMPARE(copied->data("application/x-spectrum-tap"), bytes(two + three));

    // Another window, on another tape: the entries go in before its current row.
    window_.reset();
    list_.clear();
    const std::string other = dataEntry(1) + dataEntry(3);
    openWindow(other);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_V, true);
    QCOMPARE(view().selectedPositions(), (std::vector<int>{2, 3}));
    QCOMPARE(saved(), bytes(dataEntry(1) + two + three + dataEntry(3)));

    // Cut: the pasted entries, still selected, go back out and onto the clipboard.
    pressKey(Qt::Key_X, true);
    QCOMPARE(saved(), bytes(other));
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->data("application/x-spectrum-tap"),
             bytes(two + three));

    // Text on the clipboard is not a tape: nothing happens.
    QGuiApplication::clipboard()->setText("two three");
    pressKey(Qt::Key_V, true);
    QCOMPARE(saved(), bytes(other));
    QCOMPARE(list_.count(), 2u);
}

void EditGesturesTest::droppedLocalFilesGoBeforeTheRowUnderThePointer()
{
    const std::string e1 = dataEntry(1), e2 = dataEntry(2);
    openWindow(e1 + e2);
    const std::string first = headerEntry("first"), second = dataEntry(9);
    QVERIFY(testing::writeBytes(dir_->filePath("first.tap"), first));
    QVERIFY(testing::writeBytes(dir_->filePath("second.tap"), second));

    // Anything but local files is refused before the drop.
    QMimeData web;
    web.setUrls(
        {QUrl::fromLocalFile(dir_->filePath("first.tap")), QUrl("https://example.org/a.tap")});
    QVERIFY(!dropOn(web, rowCentre(2)));
    QMimeData text;
    text.setText(dir_->filePath("first.tap"));
    QVERIFY(!dropOn(text, rowCentre(2)));
    // A drag that could only move the files is refused too: the originals must stay.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(dir_->filePath("second.tap")),
                   QUrl::fromLocalFile(dir_->filePath("first.tap"))});
    QVERIFY(!dropOn(files, rowCentre(2), Qt::MoveAction));

    QVERIFY(dropOn(files, rowCentre(2), Qt::CopyAction | Qt::MoveAction));
    QTRY_COMPARE(list_.count(), 4u);
    QCOMPARE(view().selectedPositions(), (std::vector<int>{2, 3}));
    QCOMPARE(saved(), bytes(e1 + second + first + e2));

    // Below the last row: appended. Then one undo takes the whole drop back.
    const QPoint belowTheRows(100, view().visualRect(view().model()->index(3, 0)).bottom() + 20);
    QVERIFY(dropOn(files, belowTheRows));
    QTRY_COMPARE(list_.count(), 6u);
    QCOMPARE(saved(), bytes(e1 + second + first + e2 + second + first));
    pressKey(Qt::Key_Z, true);
    QCOMPARE(saved(), bytes(e1 + second + first + e2));
    QVERIFY(QFile::exists(dir_->filePath("first.tap")));
}

void EditGesturesTest::aCutShortEntryIsKeptLastWhateverTheGesture()
{
    // The last block promises 9 bytes and holds only its flag.
    const std::string e1 = dataEntry(1), e2 = dataEntry(2), cut("\x09\x00\xFF", 3);
    openWindow(e1 + e2 + cut);
    const auto refusedNaming = [&](const std::string& entry) {
        QCOMPARE(fake_.messages.size(), std::size_t{1});
        QVERIFY(fake_.messages[0].text.rfind(entry + " is cut short", 0) == 0);
        QCOMPARE(fake_.messages[0].kind, 1);
        fake_.messages.clear();
        QCOMPARE(saved(), bytes(e1 + e2 + cut));
        QCOMPARE(view().count(), 3);
    };

    // A paste of a block cut short before row 1.
    auto* pasted = new QMimeData;
    pasted->setData("application/x-spectrum-tap", QByteArray("\x88\x13\xFF\x01\x02\x03", 6));
    QGuiApplication::clipboard()->setMimeData(pasted);
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, rowCentre(1));
    pressKey(Qt::Key_V, true);
    refusedNaming("Block 1 of the clipboard");
    QCOMPARE(view().selectedPositions(), std::vector<int>{1});

    // The cut-short entry moved up, or the entry above it moved down.
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, rowCentre(3));
    pressKey(Qt::Key_Up, true);
    refusedNaming("Block 3");
    QCOMPARE(view().currentPosition(), 3);
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, rowCentre(2));
    pressKey(Qt::Key_Down, true);
    refusedNaming("Block 3");

    // A tape dropped after it.
    QVERIFY(testing::writeBytes(dir_->filePath("more.tap"), dataEntry(5)));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(dir_->filePath("more.tap"))});
    const QPoint belowTheRows(100, view().visualRect(view().model()->index(2, 0)).bottom() + 20);
    dropOn(files, belowTheRows);
    QTRY_COMPARE(fake_.messages.size(), std::size_t{1});
    refusedNaming("Block 3");

    // Nothing was changed, so there is nothing to take back.
    QVERIFY(!list_.history().canUndo());
}

QTEST_MAIN(EditGesturesTest)
#include "edit_gestures_test.moc"
