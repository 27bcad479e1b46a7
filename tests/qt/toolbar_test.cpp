// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <functional>
#include <string>
#include <vector>

#include "qt/qt_look.h"
#include "qt/toolbar.h"
#include "seam/app_context.h"
#include "seam/command_dispatch.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/qt/qt_test_support.h"

using murax::Toolbar;
using murax::testing::whenMenuOpens;

namespace {

const QColor kBackground = murax::toQColor(murax::toolbar::kBackground);
const QColor kHoverFill = murax::toQColor(murax::toolbar::kHoverFill);
const QColor kDivider = murax::toQColor(murax::toolbar::kDivider);

// The buttons' places on the bar, as the command table orders them.
using murax::ToolbarButton;
using murax::toolbarIndexOf;
const int Open = toolbarIndexOf(ToolbarButton::Open);
const int Add = toolbarIndexOf(ToolbarButton::Add);
const int Save = toolbarIndexOf(ToolbarButton::Save);
const int Delete = toolbarIndexOf(ToolbarButton::Delete);
const int MoveUp = toolbarIndexOf(ToolbarButton::MoveUp);
const int MoveDown = toolbarIndexOf(ToolbarButton::MoveDown);
const int Edit = toolbarIndexOf(ToolbarButton::Edit);
const int Run = toolbarIndexOf(ToolbarButton::Run);

}  // namespace

class ToolbarTest : public QObject {
    Q_OBJECT

    QWidget* window_ = nullptr;
    QListWidget* list_ = nullptr;
    Toolbar* bar_ = nullptr;
    std::vector<std::string> ran_;
    // For each command run: whether a popup menu was still up when it started.
    std::vector<bool> menuUpWhenRun_;
    int contextMenusAsked_ = 0;
    murax::testing::FakeDesktop fake_;
    murax::AppContext app_{fake_};

    // Records the name of each command the bar starts.
    murax::CommandRunner recordingRunner()
    {
        return [this](const murax::Command& command) {
            ran_.push_back(command.name);
            menuUpWhenRun_.push_back(QApplication::activePopupWidget() != nullptr);
        };
    }

    // The list keeps the window's focus throughout. Which window is active after a popup has
    // closed is up to the platform (the offscreen one sometimes leaves it with the popup), so the
    // window is made active before the application's focus is checked.
    void expectFocusInList()
    {
        QCOMPARE(window_->focusWidget(), list_);
        window_->activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), list_);
    }

    QPoint centreOf(int button) const { return bar_->buttonRect(button).center(); }

    QColor pixel(int x, int y) const { return bar_->grab().toImage().pixelColor(x, y); }

    // Clicks the bar at `where`, on a menu button, and answers the menu that opens with `answer`;
    // returns the menu as it was seen while open.
    struct ShownMenu {
        QPoint position;
        QStringList entries;
    };
    ShownMenu clickMenuButton(QPoint where, std::function<void(QMenu&)> answer)
    {
        ShownMenu shown;
        whenMenuOpens([&shown, answer](QMenu& menu) {
            shown.position = menu.pos();
            for (const QAction* action : menu.actions())
                shown.entries << action->text();
            answer(menu);
        });
        QTest::mouseClick(bar_, Qt::LeftButton, {}, where);
        return shown;
    }

private slots:
    void initTestCase() {}

    void init()
    {
        ran_.clear();
        menuUpWhenRun_.clear();
        contextMenusAsked_ = 0;
        window_ = new QWidget;
        window_->setFixedSize(446, 602);
        window_->move(100, 100);
        window_->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(window_, &QWidget::customContextMenuRequested, this,
                [this] { ++contextMenusAsked_; });
        list_ = new QListWidget(window_);
        list_->setGeometry(0, 50, 446, 528);
        list_->addItems({"one", "two", "three"});
        bar_ = new Toolbar(app_, recordingRunner(), window_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        window_->activateWindow();
        list_->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        expectFocusInList();
    }

    void cleanup()
    {
        delete window_;
        window_ = nullptr;
    }

    void sitsAlongTheTopWithItsButtonsInThreeGroups()
    {
        QCOMPARE(bar_->geometry(), QRect(0, 0, 446, 32));
        // Cells of 30 pixels, 43 with a menu's drop-down part, one after the other from the left
        // edge, with 8 pixels before each group after the first.
        const auto looks = murax::toolbarButtonLooks();
        QCOMPARE(bar_->buttonCount(), int(looks.size()));
        int x = 0;
        for (int i = 0; i < bar_->buttonCount(); ++i) {
            if (looks[i].startsGroup)
                x += 8;
            const int width = murax::directCommandOf(looks[i].button) ? 30 : 43;
            QCOMPARE(bar_->buttonRect(i), QRect(x, 0, width, 31));
            x += width;
        }
        QCOMPARE(bar_->buttonRect(Open), QRect(0, 0, 30, 31));
        QCOMPARE(bar_->buttonRect(Add), QRect(30, 0, 43, 31));
        QCOMPARE(bar_->buttonAt(QPoint(bar_->buttonRect(MoveUp).left() - 4, 10)), -1);  // a gap
        QCOMPARE(bar_->buttonAt(QPoint(bar_->buttonRect(Run).left() - 4, 10)), -1);
        QCOMPARE(bar_->buttonAt(QPoint(20, 31)), -1);  // the border row below the cells

        window_->setFixedSize(500, 602);
        QCOMPARE(bar_->width(), 500);
    }

    void paintsBackgroundBorderArrowsAndPictures()
    {
        const QImage image = bar_->grab().toImage();
        QCOMPARE(image.pixelColor(bar_->buttonRect(bar_->buttonCount() - 1).right() + 20, 10),
                 kBackground);
        QCOMPARE(image.pixelColor(bar_->buttonRect(MoveUp).left() - 4, 10), kBackground);
        for (int x : {0, 200, 445})
            QCOMPARE(image.pixelColor(x, 31), QColor(Qt::black));
        // The drop-down triangle, its upper-left corner 9 pixels left of the right edge on row 15.
        const char* arrow[] = {".......", ".#####.", "..###..", "...#...", "......."};
        for (int button : {Add, Save, Edit}) {
            const QRect r = bar_->buttonRect(button);
            const QPoint corner(r.left() + r.width() - 9 - 1, 15 - 1);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 7; ++x)
                    QCOMPARE(image.pixelColor(corner + QPoint(x, y)),
                             arrow[y][x] == '#' ? QColor(Qt::black) : kBackground);
        }
        // Every button shows a picture, drawn at (1, 4) and transparently: the cell's corners
        // keep the background, some pixels inside differ from it.
        for (int button = 0; button < bar_->buttonCount(); ++button) {
            const QRect r = bar_->buttonRect(button);
            const QPoint origin = r.topLeft() + QPoint(1, 4);
            QCOMPARE(image.pixelColor(origin), kBackground);
            QCOMPARE(image.pixelColor(origin + QPoint(27, 24)), kBackground);
            int drawn = 0;
            for (int y = 0; y < 25; ++y)
                for (int x = 0; x < 28; ++x)
                    drawn += image.pixelColor(origin + QPoint(x, y)) != kBackground;
            QVERIFY2(drawn > 100,
                     qPrintable(QString("button %1 draws %2 pixels").arg(button).arg(drawn)));
            for (int x = r.left(); x <= r.right(); ++x)
                for (int y : {0, 1, 2, 3, 29, 30})
                    QCOMPARE(image.pixelColor(x, y), kBackground);
        }
    }

    void plainButtonsRunTheirCommandAndLeaveTheFocusInTheList()
    {
        for (int button : {Open, Delete, MoveUp, MoveDown, Run})
            QTest::mouseClick(bar_, Qt::LeftButton, {}, centreOf(button));
        QCOMPARE(ran_, (std::vector<std::string>{"Open", "Delete", "Move up", "Move down", "Run"}));
        expectFocusInList();
        QCOMPARE(bar_->focusPolicy(), Qt::NoFocus);

        // The edges of a cell belong to its button. (QTest takes the point (0, 0) for "the
        // middle of the widget", so the top-left corner is left out.)
        ran_.clear();
        const QRect open = bar_->buttonRect(Open), run = bar_->buttonRect(Run);
        QTest::mouseClick(bar_, Qt::LeftButton, {}, QPoint(open.left(), open.top() + 1));
        QTest::mouseClick(bar_, Qt::LeftButton, {}, open.bottomRight());
        QTest::mouseClick(bar_, Qt::LeftButton, {}, QPoint(run.left(), 15));
        QTest::mouseClick(bar_, Qt::LeftButton, {}, QPoint(run.right(), 15));
        QCOMPARE(ran_, (std::vector<std::string>{"Open", "Open", "Run", "Run"}));
    }

    void clicksBesideTheButtonsOrWithTheRightButtonDoNothing()
    {
        // A menu wrongly opened by one of these clicks fails the test instead of blocking it.
        murax::testing::UnexpectedWindowWatch watch;
        // In the gaps before the groups, right of the last button, on the border row.
        const int last = bar_->buttonCount() - 1;
        for (QPoint beside :
             {QPoint(bar_->buttonRect(MoveUp).left() - 4, 15),
              QPoint(bar_->buttonRect(Run).left() - 4, 15),
              QPoint(bar_->buttonRect(last).right() + 1, 15), QPoint(400, 5), QPoint(15, 31)}) {
            QTest::mouseClick(bar_, Qt::LeftButton, {}, beside);
            QTest::mouseDClick(bar_, Qt::LeftButton, {}, beside);
        }
        for (int button : {Open, Add, Delete, Run})
            QTest::mouseClick(bar_, Qt::RightButton, {}, centreOf(button));
        QTest::mouseClick(bar_, Qt::RightButton, {}, QPoint(400, 5));
        QVERIFY(ran_.empty());
        // The window system turns a right click into a context-menu request; the bar keeps it
        // from reaching the window.
        QContextMenuEvent request(QContextMenuEvent::Mouse, centreOf(Open),
                                  bar_->mapToGlobal(centreOf(Open)));
        QApplication::sendEvent(bar_, &request);
        QContextMenuEvent besideRequest(QContextMenuEvent::Mouse, QPoint(400, 5),
                                        bar_->mapToGlobal(QPoint(400, 5)));
        QApplication::sendEvent(bar_, &besideRequest);
        QCOMPARE(contextMenusAsked_, 0);
        QCOMPARE(watch.seen, QStringList());

        // A press on one button released over another is no click.
        QTest::mousePress(bar_, Qt::LeftButton, {}, centreOf(Open));
        QTest::mouseRelease(bar_, Qt::LeftButton, {}, centreOf(Delete));
        QTest::mousePress(bar_, Qt::LeftButton, {}, centreOf(Run));
        QTest::mouseRelease(bar_, Qt::LeftButton, {}, QPoint(400, 5));
        QVERIFY(ran_.empty());
        expectFocusInList();
    }

    void menuButtonsOpenTheirMenuWhereverTheyAreClicked_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("x");  // within the button
        QTest::addColumn<int>("y");
        QTest::addColumn<QStringList>("entries");
        const QStringList add{"Add...", "Insert...", "New entry from file..."};
        const QStringList save{"Save\tF9", "Save as..."};
        const QStringList edit{"Edit properties...\tEnter", "Edit with hex editor..."};
        QTest::newRow("add, picture") << int(Add) << 15 << 15 << add;
        QTest::newRow("add, arrow") << int(Add) << 36 << 16 << add;
        QTest::newRow("add, right edge") << int(Add) << 42 << 30 << add;
        QTest::newRow("save, picture") << int(Save) << 2 << 2 << save;
        QTest::newRow("save, arrow") << int(Save) << 36 << 16 << save;
        QTest::newRow("edit, picture") << int(Edit) << 20 << 20 << edit;
        QTest::newRow("edit, arrow") << int(Edit) << 33 << 15 << edit;
    }

    void menuButtonsOpenTheirMenuWhereverTheyAreClicked()
    {
        QFETCH(int, button);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QStringList, entries);
        const QRect r = bar_->buttonRect(button);
        const ShownMenu shown =
            clickMenuButton(r.topLeft() + QPoint(x, y), [](QMenu& menu) { menu.close(); });
        QCOMPARE(shown.entries, entries);
        QCOMPARE(shown.position, bar_->mapToGlobal(QPoint(r.left(), 31)));
        QVERIFY(ran_.empty());  // opening a menu runs nothing, Save's included
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        expectFocusInList();
    }

    void eachMenuEntryRunsItsCommandOnceTheMenuHasClosed_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("command");
        QTest::newRow("Add...") << int(Add) << 0 << "Add";
        QTest::newRow("Insert...") << int(Add) << 1 << "Insert";
        QTest::newRow("New entry from file...") << int(Add) << 2 << "New entry from file";
        QTest::newRow("Save") << int(Save) << 0 << "Save";
        QTest::newRow("Save as...") << int(Save) << 1 << "Save as";
        QTest::newRow("Edit properties...") << int(Edit) << 0 << "Edit properties";
        QTest::newRow("Edit with hex editor...") << int(Edit) << 1 << "Edit with hex editor";
    }

    void eachMenuEntryRunsItsCommandOnceTheMenuHasClosed()
    {
        QFETCH(int, button);
        QFETCH(int, entry);
        QFETCH(QString, command);
        const std::vector<std::string> expected{command.toStdString()};

        // Chosen with the keyboard.
        clickMenuButton(centreOf(button), [entry](QMenu& menu) {
            for (int i = 0; i <= entry; ++i)
                QTest::keyClick(&menu, Qt::Key_Down);
            QTest::keyClick(&menu, Qt::Key_Return);
        });
        QCOMPARE(ran_, expected);
        QCOMPARE(menuUpWhenRun_, std::vector<bool>{false});

        // Chosen with either mouse button.
        for (Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
            ran_.clear();
            menuUpWhenRun_.clear();
            clickMenuButton(centreOf(button), [entry, mouse](QMenu& menu) {
                QAction* action = menu.actions().at(entry);
                QTest::mouseClick(&menu, mouse, {}, menu.actionGeometry(action).center());
            });
            QCOMPARE(ran_, expected);
            QCOMPARE(menuUpWhenRun_, std::vector<bool>{false});
        }
        expectFocusInList();
    }

    void theSameMenuComesBackAndEscRunsNothing()
    {
        QMenu* first = nullptr;
        clickMenuButton(centreOf(Save), [&first](QMenu& menu) {
            first = &menu;
            QTest::keyClick(&menu, Qt::Key_Escape);
        });
        QMenu* second = nullptr;
        clickMenuButton(centreOf(Save), [&second](QMenu& menu) {
            second = &menu;
            QTest::keyClick(&menu, Qt::Key_Escape);
        });
        QVERIFY(first != nullptr);
        QCOMPARE(second, first);
        QVERIFY(ran_.empty());
    }

    void startsNothingWhileACommandIsUnderWay()
    {
        murax::testing::UnexpectedWindowWatch watch;
        fake_.beeps = 0;
        murax::dispatchCommand(app_, [this] {
            for (int button = 0; button < bar_->buttonCount(); ++button)
                QTest::mouseClick(bar_, Qt::LeftButton, {}, centreOf(button));
        });
        QCOMPARE(watch.seen, QStringList());
        QVERIFY(ran_.empty());
        // Each refused click beeps.
        QCOMPARE(fake_.beeps, bar_->buttonCount());
    }

    void showsEachButtonsTooltip()
    {
        const std::vector<std::pair<int, QString>> texts{{Open, "Open (F2)..."},
                                                         {Add, "Add..."},
                                                         {Save, "Save..."},
                                                         {Delete, "Delete (DEL)"},
                                                         {MoveUp, "Move up (CTRL+UP)"},
                                                         {MoveDown, "Move down (CTRL+DOWN)"},
                                                         {Edit, "Edit..."},
                                                         {Run, "Run (F11)"}};
        for (const auto& [button, text] : texts) {
            const QPoint at = centreOf(button);
            QHelpEvent help(QEvent::ToolTip, at, bar_->mapToGlobal(at));
            QApplication::sendEvent(bar_, &help);
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), text);
        }
        QHelpEvent beside(QEvent::ToolTip, QPoint(400, 10), bar_->mapToGlobal(QPoint(400, 10)));
        QApplication::sendEvent(bar_, &beside);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void fillsTheButtonUnderThePointer()
    {
        const QRect save = bar_->buttonRect(Save);
        const QRect open = bar_->buttonRect(Open);
        QCOMPARE(pixel(save.left(), 1), kBackground);

        QTest::mouseMove(bar_, centreOf(Save));
        QTRY_COMPARE(bar_->hoveredButton(), int(Save));
        QImage image = bar_->grab().toImage();
        QCOMPARE(image.pixelColor(save.left(), 1), kHoverFill);
        QCOMPARE(image.pixelColor(save.left() + 29, 30), kHoverFill);
        QCOMPARE(image.pixelColor(save.left() + 1, 4), kHoverFill);  // through the picture
        QCOMPARE(image.pixelColor(save.left() + 30, 1), kDivider);
        QCOMPARE(image.pixelColor(save.left() + 31, 1), QColor(Qt::white));
        QCOMPARE(image.pixelColor(save.left() + 32, 1), kHoverFill);
        QCOMPARE(image.pixelColor(save.left() + 41, 30), kHoverFill);
        QCOMPARE(image.pixelColor(save.right(), 30), kDivider);
        QCOMPARE(image.pixelColor(save.left() + 34, 15), QColor(Qt::black));
        QCOMPARE(image.pixelColor(open.left(), 1), kBackground);
        QCOMPARE(image.pixelColor(save.right() + 1, 1), kBackground);

        // A button without a menu has no drop-down lines.
        QTest::mouseMove(bar_, centreOf(Open));
        QTRY_COMPARE(bar_->hoveredButton(), int(Open));
        image = bar_->grab().toImage();
        QCOMPARE(image.pixelColor(open.left(), 1), kHoverFill);
        QCOMPARE(image.pixelColor(open.right(), 1), kHoverFill);
        QCOMPARE(image.pixelColor(save.left() + 30, 1), kBackground);
        QCOMPARE(image.pixelColor(save.left(), 1), kBackground);

        // Beside the buttons, then off the bar: the plain background again.
        QTest::mouseMove(bar_, QPoint(bar_->buttonRect(MoveUp).left() - 4, 10));
        QTRY_COMPARE(bar_->hoveredButton(), -1);
        QCOMPARE(pixel(open.left(), 1), kBackground);
        QTest::mouseMove(bar_, centreOf(Run));
        QTRY_COMPARE(bar_->hoveredButton(), int(Run));
        QTest::mouseMove(window_, QPoint(200, 300));
        QTRY_COMPARE(bar_->hoveredButton(), -1);
        QCOMPARE(pixel(bar_->buttonRect(Run).left(), 1), kBackground);
    }
};

QTEST_MAIN(ToolbarTest)
#include "toolbar_test.moc"
