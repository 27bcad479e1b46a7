// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "qt/entry_viewer.h"
#include "qt/new_entry_dialog.h"
#include "qt/play_window.h"
#include "qt/properties_dialog.h"
#include "qt/toolbar.h"
#include "tests/qt/window_test_fixture.h"
#include "tests/window/editing_sessions.h"

using namespace murax;
using testing::EditingSession;
using testing::Gesture;

namespace {

Qt::Key qtKey(int virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return Qt::Key(Qt::Key_A + (virtualKey - 'A'));
    if (virtualKey >= vk::F1 && virtualKey <= vk::F24)
        return Qt::Key(Qt::Key_F1 + (virtualKey - vk::F1));
    switch (virtualKey) {
    case vk::Return:
        return Qt::Key_Return;
    case vk::Escape:
        return Qt::Key_Escape;
    case vk::Delete:
        return Qt::Key_Delete;
    case vk::Up:
        return Qt::Key_Up;
    case vk::Down:
        return Qt::Key_Down;
    case vk::Home:
        return Qt::Key_Home;
    case vk::End:
        return Qt::Key_End;
    default:
        return Qt::Key_unknown;
    }
}

Qt::KeyboardModifiers modifiersOf(const Gesture& gesture)
{
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ControlModifier, gesture.control);
    modifiers.setFlag(Qt::ShiftModifier, gesture.shift);
    return modifiers;
}

// Once a modal dialog of the class `Dialog` is up, `answer` fills it in and closes it; `answered`
// tells whether it came.
template <typename Dialog>
void whenDialogOpens(std::function<void(Dialog&)> answer, std::shared_ptr<bool> answered,
                     int triesLeft = 400)
{
    QTimer::singleShot(5, [answer, answered, triesLeft] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            if (triesLeft > 0)
                whenDialogOpens<Dialog>(answer, answered, triesLeft - 1);
            return;
        }
        answer(*dialog);
        *answered = true;
    });
}

// A field's text replaced as a paste does.
void paste(QDialog& dialog, const QString& name, const std::string& text)
{
    auto* field = dialog.findChild<QLineEdit*>(name);
    QVERIFY2(field != nullptr, qPrintable(name));
    field->selectAll();
    field->insert(QString::fromStdString(text));
}

void pressButton(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            button->click();
}

// The properties dialog: the gesture's type chosen, its name and field texts pasted, then Save.
void answerProperties(const Gesture& gesture, PropertiesDialog& dialog)
{
    if (gesture.type)
        dialog.findChild<QComboBox*>(QStringLiteral("cTyp"))->setCurrentIndex(*gesture.type);
    if (gesture.name)
        paste(dialog, QStringLiteral("cNam"), *gesture.name);
    for (const auto& [at, text] : gesture.fields)
        paste(dialog, QStringLiteral("cFld%1").arg(at), text);
    pressButton(dialog, QStringLiteral("Save"));
}

// The new entry dialog: the name and the further field pasted where given, then Add or Insert.
void answerNewEntry(const Gesture::NewEntryAnswer& answer, NewEntryDialog& dialog)
{
    if (answer.name)
        paste(dialog, QStringLiteral("cNam"), *answer.name);
    if (answer.field)
        paste(dialog, QStringLiteral("cFld"), *answer.field);
    pressButton(dialog, answer.insert ? QStringLiteral("Insert") : QStringLiteral("Add"));
}

// Once a progress dialog shows: its Cancel button pressed. `cancelled` tells whether it came.
void whenProgressOpens(std::shared_ptr<bool> cancelled, int triesLeft = 2000)
{
    QTimer::singleShot(2, [cancelled, triesLeft] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QProgressDialog*>(widget);
            if (dialog == nullptr || !dialog->isVisible())
                continue;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Cancel"))
                    button->click();
            *cancelled = true;
            return;
        }
        if (triesLeft > 0)
            whenProgressOpens(cancelled, triesLeft - 1);
    });
}

}  // namespace

// The editing sessions every face shares, through the real Qt window: each must leave on disk the
// bytes the session expects once F9 has saved.
class EditingParityTest : public QObject, public testing::WindowTest<> {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init() { beginWindowTest(); }
    void cleanup() { endWindowTest(); }

    void everySessionSavesTheBytesExpected_data();
    void everySessionSavesTheBytesExpected();

private:
    QPoint rowCentre(int position)
    {
        return view().visualRect(view().model()->index(position - 1, 0)).center();
    }
    std::string inFolder(const std::string& name)
    {
        return testing::bytesOf(dir_->filePath(QString::fromStdString(name)));
    }
    void perform(const Gesture& gesture);
    void playGesture(const Gesture& gesture);
    void chooseFromMenu(const std::function<void()>& open, const std::string& entry);
};

void EditingParityTest::chooseFromMenu(const std::function<void()>& open, const std::string& entry)
{
    bool chosen = false;
    testing::whenMenuOpens([&chosen, entry](QMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->text().toStdString() == entry) {
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
                chosen = true;
                return;
            }
        }
        QTest::keyClick(&menu, Qt::Key_Escape);
    });
    open();
    QVERIFY2(chosen, entry.c_str());
}

// Play, its window's keys and buttons, and the scripted sound card; then what the window shows.
void EditingParityTest::playGesture(const Gesture& gesture)
{
    PlayWindow* shown = window_->playWindow();
    switch (gesture.kind) {
    case Gesture::Kind::Play:
        if (!gesture.fromViewer) {
            const QPoint at = rowCentre(view().currentPosition());
            chooseFromMenu([&] { QTest::mouseClick(view().viewport(), Qt::RightButton, {}, at); },
                           gesture.menuEntry);
            break;
        }
        QTest::keyClick(&view(), Qt::Key_F3);
        QTRY_VERIFY(window_->viewer() != nullptr && window_->viewer()->isVisible());
        QTest::mouseClick(window_->viewer()->playButton(), Qt::LeftButton);
        break;
    case Gesture::Kind::PlayWindow:
        QVERIFY(shown != nullptr);
        if (gesture.closeBox)
            shown->close();
        else if (gesture.key != 0)
            QTest::keyClick(shown, qtKey(gesture.key));
        else
            QTest::mouseClick(shown->stopButton(), Qt::LeftButton);
        break;
    case Gesture::Kind::Card:
        QVERIFY(!fake_.sounds.empty());
        testing::playOnCard(*fake_.sounds.back(), gesture);
        break;
    default:
        break;
    }
    shown = window_->playWindow();
    const std::optional<std::string>& text = gesture.playWindowShows;
    if (!text)
        return;
    if (text->empty())
        QTRY_VERIFY(shown == nullptr || !shown->isVisible());
    else
        QTRY_VERIFY2(shown != nullptr && shown->isVisible() &&
                         shown->progress()->text().startsWith(QString::fromStdString(*text)),
                     shown ? qPrintable(shown->progress()->text()) : "no play window");
    QCOMPARE(fake_.sounds.back()->silenced, text->empty());
}

void EditingParityTest::perform(const Gesture& gesture)
{
    for (const int answer : gesture.answers)
        fake_.messageAnswers.push_back(answer);
    for (const std::string& file : gesture.files) {
        fake_.openAnswers.push_back(inFolder(file));
        fake_.saveAnswers.push_back(inFolder(file));
    }
    auto renamed = std::make_shared<bool>(false);
    if (gesture.editsProperties())
        whenDialogOpens<PropertiesDialog>(
            [gesture](PropertiesDialog& dialog) { answerProperties(gesture, dialog); }, renamed);
    auto made = std::make_shared<bool>(false);
    if (gesture.newEntry)
        whenDialogOpens<NewEntryDialog>(
            [answer = *gesture.newEntry](NewEntryDialog& dialog) {
                answerNewEntry(answer, dialog);
            },
            made);
    auto cancelled = std::make_shared<bool>(false);
    if (gesture.cancelsProgress)
        whenProgressOpens(cancelled);

    QWidget* area = view().viewport();
    switch (gesture.kind) {
    case Gesture::Kind::Key:
        QTest::keyClick(&view(), qtKey(gesture.key), modifiersOf(gesture));
        break;
    case Gesture::Kind::Click:
        QTest::mouseClick(area, Qt::LeftButton, modifiersOf(gesture), rowCentre(gesture.row));
        break;
    case Gesture::Kind::DoubleClick:
        // What a real double-click delivers: press, release, double-click, release.
        QTest::mouseClick(area, Qt::LeftButton, {}, rowCentre(gesture.row));
        QTest::mouseDClick(area, Qt::LeftButton, {}, rowCentre(gesture.row));
        QTest::mouseRelease(area, Qt::LeftButton, {}, rowCentre(gesture.row));
        break;
    case Gesture::Kind::Toolbar:
        if (gesture.menuEntry.empty()) {
            Toolbar& bar = *window_->toolbar();
            QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.buttonRect(gesture.button).center());
        } else {
            Toolbar& bar = *window_->toolbar();
            const QPoint at = bar.buttonRect(gesture.button).center();
            chooseFromMenu([&] { QTest::mouseClick(&bar, Qt::LeftButton, {}, at); },
                           gesture.menuEntry);
        }
        break;
    case Gesture::Kind::Drag: {
        const QPoint dropAt = rowCentre(gesture.dropRow) - QPoint(0, 5);
        QTest::mousePress(area, Qt::LeftButton, {}, rowCentre(gesture.row));
        QTest::mouseMove(area, dropAt);  // with the button still down
        QTest::mouseRelease(area, Qt::LeftButton, {}, dropAt);
        break;
    }
    default:
        break;
    }
    playGesture(gesture);
    QVERIFY(!gesture.editsProperties() || *renamed);
    QVERIFY(!gesture.newEntry || *made);
    QVERIFY(!gesture.cancelsProgress || *cancelled);
    // Each name went to an open or a save dialog, one each; the other kind's copy is dropped.
    QCOMPARE(fake_.openAnswers.size() + fake_.saveAnswers.size(), gesture.files.size());
    fake_.openAnswers.clear();
    fake_.saveAnswers.clear();
}

void EditingParityTest::everySessionSavesTheBytesExpected_data()
{
    QTest::addColumn<int>("session");
    const auto& sessions = testing::editingSessions();
    for (std::size_t i = 0; i < sessions.size(); ++i)
        QTest::newRow(sessions[i].what) << static_cast<int>(i);
}

void EditingParityTest::everySessionSavesTheBytesExpected()
{
    QFETCH(int, session);
    const EditingSession& s = testing::editingSessions()[static_cast<std::size_t>(session)];
    for (const testing::FolderFile& file : s.others)
        QVERIFY(testing::writeBytes(dir_->filePath(QString::fromStdString(file.name)), file.bytes));
    openWindow(s.tape);
    std::size_t questions = 0;
    for (const Gesture& gesture : s.gestures) {
        perform(gesture);
        if (QTest::currentTestFailed())
            return;
        questions += gesture.answers.size();
    }
    QTest::keyClick(&view(), Qt::Key_F9);

    // Every question asked was one the session answered, and nothing else was shown.
    QCOMPARE(fake_.messages.size(), questions);
    QVERIFY(fake_.messageAnswers.empty());
    for (const testing::FolderFile& file : s.afterSave)
        QVERIFY2(testing::contentsOf(dir_->filePath(QString::fromStdString(file.name))) ==
                     QByteArray::fromStdString(file.bytes),
                 file.name.c_str());
}

QTEST_MAIN(EditingParityTest)
#include "editing_parity_test.moc"
