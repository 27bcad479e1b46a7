// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "seam/window.h"

class QLineEdit;

namespace murax {

class Desktop;

// "New entry from file": a line saying what the file becomes, the tape name in a field that keeps
// the name field's rules, and the one further field the file's kind asks for, keeping that header
// field's rules (hidden when it asks for none). "Add" (the default, Enter) and "Insert" accept it,
// "Cancel", Esc or the close box reject it.
class NewEntryDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on `form`. A character refused in a field beeps on `desktop`.
    NewEntryDialog(Desktop& desktop, const NewEntryForm& form, QWidget* parent);

    // What the dialog holds, the name taken back as bytes, and which button accepted it.
    NewEntryForm form() const;

private:
    NewEntryForm opened_;
    QLineEdit* name_;
    QLineEdit* field_ = nullptr;
    bool insert_ = false;
};

}  // namespace murax
