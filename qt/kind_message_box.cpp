// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/kind_message_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "seam/desktop_services.h"

namespace murax {
namespace {

QMessageBox::StandardButton qtButton(int button)
{
    switch (button) {
    case Desktop::Ok:
        return QMessageBox::Ok;
    case Desktop::Cancel:
        return QMessageBox::Cancel;
    case Desktop::Yes:
        return QMessageBox::Yes;
    case Desktop::No:
        return QMessageBox::No;
    default:
        return QMessageBox::NoButton;
    }
}

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

}  // namespace

KindMessageBox::KindMessageBox(const MessageKindDescription& kind, const QString& title,
                               const QString& text, QWidget* parent)
    : QMessageBox(parent), kind_(kind)
{
    setWindowTitle(title);
    // Plain text: a file name holding "<" must not turn the message into markup.
    setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace("\r\n", "\n");
    setText(shown);
    setIcon(iconOf(kind.icon));
    QMessageBox::StandardButtons buttons;
    for (const int button : kind.buttons)
        buttons |= qtButton(button);
    setStandardButtons(buttons);
    setDefaultButton(qtButton(kind.defaultButton));
    if (hasEscape())
        setEscapeButton(qtButton(kind.escapeAnswer));
    else
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

int KindMessageBox::answer() const
{
    const QAbstractButton* clicked = clickedButton();
    for (const int button : kind_.buttons)
        if (clicked != nullptr && clicked == QMessageBox::button(qtButton(button)))
            return button;
    return Desktop::Cancel;
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

int showKindMessageBox(const MessageKindDescription& kind, const QString& title,
                       const QString& text)
{
    KindMessageBox box(kind, title, text, QApplication::activeWindow());
    box.exec();
    return box.answer();
}

}  // namespace murax
