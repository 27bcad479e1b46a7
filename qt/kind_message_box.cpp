// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/kind_message_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "seam/desktop_services.h"

namespace murax {
namespace {

struct KindStyle {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;  // NoButton: Esc does nothing
};

KindStyle styleOf(int kind)
{
    switch (kind) {
    case 2:
        return {QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
                QMessageBox::Cancel};
    case 3:
        return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Yes, QMessageBox::Cancel};
    case 4:
        return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                QMessageBox::NoButton};
    case 5:
        return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                QMessageBox::NoButton};
    case 6:
        return {QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
                QMessageBox::Cancel};
    default:
        return {QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
    }
}

}  // namespace

KindMessageBox::KindMessageBox(int kind, const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(parent), kind_(kind)
{
    const KindStyle style = styleOf(kind);
    setWindowTitle(title);
    // Plain text: a file name holding "<" must not turn the message into markup.
    setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace("\r\n", "\n");
    setText(shown);
    setIcon(style.icon);
    setStandardButtons(style.buttons);
    setDefaultButton(style.defaultButton);
    if (style.escapeButton != QMessageBox::NoButton) {
        setEscapeButton(style.escapeButton);
    } else {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }
}

int KindMessageBox::answer() const
{
    QAbstractButton* clicked = clickedButton();
    switch (clicked ? standardButton(clicked) : QMessageBox::NoButton) {
    case QMessageBox::Ok:
        return Desktop::Ok;
    case QMessageBox::Yes:
        return Desktop::Yes;
    case QMessageBox::No:
        return Desktop::No;
    default:
        return Desktop::Cancel;
    }
}

void KindMessageBox::keyPressEvent(QKeyEvent* event)
{
    // QMessageBox itself would take No as the escape button of a Yes/No box.
    if (!hasEscape() && event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void KindMessageBox::closeEvent(QCloseEvent* event)
{
    if (!hasEscape()) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}

int showKindMessageBox(int kind, const QString& title, const QString& text)
{
    KindMessageBox box(kind, title, text, QApplication::activeWindow());
    box.exec();
    return box.answer();
}

}  // namespace murax
