// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>

namespace murax {

// A message box of one of the six kinds the program uses, with the buttons, icon and default
// button of its kind:
//   1 OK (information), 2 OK/Cancel (question), 3 Yes/No/Cancel (question),
//   4 Yes/No with Yes the default, 5 Yes/No with No the default (question),
//   6 OK/Cancel (stop).
// Esc and the close box count as Cancel where there is one and close an OK box. A Yes/No box
// offers no close box and ignores Esc: a held Esc (the key that closes the main window) must not
// answer "TAP has been changed. Save it?" with No and drop the user's edits.
class KindMessageBox : public QMessageBox {
public:
    KindMessageBox(int kind, const QString& title, const QString& text, QWidget* parent);

    // The answer as Desktop's button numbers (Ok 1, Cancel 2, Yes 6, No 7).
    int answer() const;

    static bool isKnownKind(int kind) { return kind >= 1 && kind <= 6; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool hasEscape() const { return kind_ != 4 && kind_ != 5; }

    int kind_;
};

// Shows a box of `kind` (modal to the active window, or to none) and returns Desktop's button
// number; `text` may use "\r\n" line breaks and is shown as plain text.
int showKindMessageBox(int kind, const QString& title, const QString& text);

}  // namespace murax
