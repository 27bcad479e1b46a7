// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <string>

#include "qt/program_fonts.h"
#include "qt/properties_dialog.h"
#include "tape/commands/header_edit.h"
#include "tape/format/display_charset.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/support/helpers/tape_builder.h"

using murax::PropertiesDialog;

namespace {

QLineEdit* nameField(const QDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("cNam"));
}

QPushButton* button(const QDialog& dialog, const QString& text)
{
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Types `text` into `widget` one character at a time, as a keyboard layout that has the
// characters would (QTest::keyClicks knows only ASCII).
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// A bytes header's form with `name` in its name field.
murax::PropertiesForm formNamed(const std::string& name)
{
    murax::PropertiesForm form =
        murax::propertiesFormOf(murax::testing::headerBlock(3, "", 4, 0, 0));
    form.name = name;
    return form;
}

QString displayText(const std::string& bytes)
{
    return QString::fromStdString(murax::bytesToDisplayUtf8(bytes));
}

}  // namespace

class PropertiesDialogTest : public QObject {
    Q_OBJECT

    QWidget* owner_ = nullptr;
    murax::testing::FakeDesktop fake_;

    // Runs the dialog modally, as the rename command does, with `act` done to it once it is up.
    int runWith(PropertiesDialog& dialog, std::function<void()> act)
    {
        QTimer::singleShot(0, &dialog, [&dialog, act] {
            QVERIFY(QTest::qWaitFor([&dialog] {
                return QApplication::activeWindow() == &dialog && QApplication::focusWidget();
            }));
            act();
        });
        return dialog.exec();
    }

private slots:
    void initTestCase() { murax::installFontSubstitutions(); }

    void init()
    {
        fake_ = murax::testing::FakeDesktop();
        owner_ = new QWidget;
        owner_->setFixedSize(446, 602);
        owner_->move(120, 80);
        owner_->show();
        QVERIFY(QTest::qWaitForWindowExposed(owner_));
    }

    void cleanup()
    {
        delete owner_;
        owner_ = nullptr;
    }

    void isLaidOutInDialogUnitsOfItsFont()
    {
        PropertiesDialog dialog(fake_, formNamed("GAME"), owner_);
        QCOMPARE(dialog.windowTitle(), QString("Edit properties"));
        QCOMPARE(dialog.size(), QSize(158, 244));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(dialog.font().family(), QString("MS Sans Serif"));
        QCOMPARE(dialog.font().pointSize(), 8);

        const auto* label = dialog.findChild<QLabel*>();
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), QString("Name:"));
        QCOMPARE(label->geometry(), QRect(15, 16, 30, 21));
        QVERIFY(label->alignment() & Qt::AlignVCenter);
        // The whole label shows, its colon included.
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        QVERIFY(label->fontMetrics().boundingRect(label->text()).right() < label->width());

        QCOMPARE(nameField(dialog)->geometry(), QRect(45, 16, 98, 21));
        QPushButton* save = button(dialog, "Save");
        QPushButton* cancel = button(dialog, "Cancel");
        QVERIFY(save != nullptr && cancel != nullptr);
        QCOMPARE(save->geometry(), QRect(15, 211, 60, 24));
        QCOMPARE(cancel->geometry(), QRect(83, 211, 60, 24));
        QVERIFY(save->isDefault());
        // The name, then the type and the fields below it, then the buttons.
        const auto nextTab = [](QWidget* widget) {
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus));
            return widget;
        };
        QWidget* next = nextTab(nameField(dialog));
        QCOMPARE(next->objectName(), QString("cTyp"));
        for (std::size_t i = 0; i < murax::kHeaderFields.size(); ++i) {
            next = nextTab(next);
            QCOMPARE(next->objectName(), QString("cFld%1").arg(i));
        }
        QCOMPARE(nextTab(next), save);
    }

    void opensCentredModalWithTheWholeNameSelectedAndFocused()
    {
        PropertiesDialog dialog(fake_, formNamed("GAME"), owner_);
        QRect geometry;
        QString selected;
        bool fieldFocused = false;
        bool modal = false;
        const int result = runWith(dialog, [&] {
            geometry = dialog.geometry();
            selected = nameField(dialog)->selectedText();
            fieldFocused = QApplication::focusWidget() == nameField(dialog);
            modal = QApplication::activeModalWidget() == &dialog;
            dialog.reject();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(modal);
        QCOMPARE(selected, QString("GAME"));
        QVERIFY(fieldFocused);
        QVERIFY(std::abs(geometry.center().x() - owner_->geometry().center().x()) <= 1);
        QVERIFY(std::abs(geometry.center().y() - owner_->geometry().center().y()) <= 1);
    }

    void takesAtMostMaxLengthCharacters()
    {
        PropertiesDialog dialog(fake_, formNamed(""), owner_);
        QTest::keyClicks(nameField(dialog), "ABCDEFGHIJKL");
        QCOMPARE(nameField(dialog)->text(), QString("ABCDEFGHIJ"));
        QCOMPARE(dialog.form().name, std::string("ABCDEFGHIJ"));

        // A shorter name (a cut header) takes only as many characters as it has bytes.
        murax::PropertiesForm shortForm = formNamed("AB");
        shortForm.nameLength = 3;
        PropertiesDialog shortName(fake_, shortForm, owner_);
        QTest::keyClick(nameField(shortName), Qt::Key_End);
        QTest::keyClicks(nameField(shortName), "CDE");
        QCOMPARE(shortName.form().name, std::string("ABC"));
    }

    void takesWindows1252CharactersAndStandInsAndBeepsAtTheRest()
    {
        PropertiesDialog dialog(fake_, formNamed(""), owner_);
        QLineEdit* field = nameField(dialog);
        typeText(field, QString::fromUtf8("A\u00e9B\u20ac\u4e2d\u00c0\u25a1\u2590"));
        QCOMPARE(field->text(), QString::fromUtf8("A\u00e9B\u20ac\u00c0\u25a1"));
        QCOMPARE(dialog.form().name, std::string("A\xE9"
                                                 "B\x80\xC0\x00",
                                                 6));
        QCOMPARE(fake_.beeps, 2);

        // Text put in whole (a paste) is refused whole when any character of it stands for no byte.
        field->clear();
        field->insert(QString::fromUtf8("OK\u4e2d"));
        QCOMPARE(field->text(), QString());
        QCOMPARE(fake_.beeps, 3);
        field->insert(QString::fromUtf8("OK\u00e9"));
        QCOMPARE(field->text(), QString::fromUtf8("OK\u00e9"));
        QCOMPARE(fake_.beeps, 3);
    }

    void enterChoosesSave()
    {
        PropertiesDialog dialog(fake_, formNamed("OLD NAME"), owner_);
        const int result = runWith(dialog, [&dialog] {
            QTest::keyClicks(nameField(dialog), "AB");
            QTest::keyClick(nameField(dialog), Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(dialog.form().name, std::string("AB"));

        PropertiesDialog untouched(fake_, formNamed("SAME"), owner_);
        QCOMPARE(runWith(untouched,
                         [&untouched] { QTest::keyClick(nameField(untouched), Qt::Key_Enter); }),
                 int(QDialog::Accepted));
        QCOMPARE(untouched.form().name, std::string("SAME"));

        PropertiesDialog clicked(fake_, formNamed("X"), owner_);
        QCOMPARE(runWith(clicked, [&clicked] { button(clicked, "Save")->click(); }),
                 int(QDialog::Accepted));
    }

    void escCancelAndTheCloseBoxReject_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Esc") << 0;
        QTest::newRow("Cancel") << 1;
        QTest::newRow("close box") << 2;
    }

    void escCancelAndTheCloseBoxReject()
    {
        QFETCH(int, way);
        PropertiesDialog dialog(fake_, formNamed("NAME"), owner_);
        const int result = runWith(dialog, [&dialog, way] {
            QTest::keyClicks(nameField(dialog), "TYPED");
            if (way == 0)
                QTest::keyClick(nameField(dialog), Qt::Key_Escape);
            else if (way == 1)
                QTest::mouseClick(button(dialog, "Cancel"), Qt::LeftButton);
            else
                dialog.close();
        });
        QCOMPARE(result, int(QDialog::Rejected));
    }

    void everyByteValueSurvivesTheField()
    {
        // Shown in the field and taken back unchanged.
        for (int start = 0; start < 256; start += 10) {
            std::string bytes;
            for (int b = start; b < std::min(start + 10, 256); ++b)
                bytes += static_cast<char>(b);
            PropertiesDialog dialog(fake_, formNamed(bytes), owner_);
            QCOMPARE(nameField(dialog)->text(), displayText(bytes));
            QCOMPARE(dialog.form().name, bytes);
        }
        // Typed as the character the list shows for it, and taken back as that byte.
        PropertiesDialog dialog(fake_, formNamed(""), owner_);
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            nameField(dialog)->clear();
            typeText(nameField(dialog), displayText(byte));
            QCOMPARE(dialog.form().name, byte);
        }
        QCOMPARE(fake_.beeps, 0);
    }
};

QTEST_MAIN(PropertiesDialogTest)
#include "properties_dialog_test.moc"
