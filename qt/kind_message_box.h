// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>

#include "seam/message_kind.h"

namespace murax {

// A message box of one kind, with the buttons, icon, default button and Esc of its description.
// Where the description gives Esc no answer, the box offers no close box and ignores Esc.
class KindMessageBox : public QMessageBox {
public:
    KindMessageBox(const MessageKindDescription& kind, const QString& title, const QString& text,
                   QWidget* parent);

    // The answer as Desktop's button numbers (Ok 1, Cancel 2, Yes 6, No 7).
    int answer() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool hasEscape() const { return kind_.escapeAnswer != 0; }

    const MessageKindDescription& kind_;
};

// Shows a box of `kind` (modal to the active window, or to none) and returns Desktop's button
// number; `text` may use "\r\n" line breaks and is shown as plain text.
int showKindMessageBox(const MessageKindDescription& kind, const QString& title,
                       const QString& text);

}  // namespace murax
