// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <vector>

#include "seam/window.h"

class QComboBox;
class QLineEdit;

namespace murax {

class Desktop;

// "Edit properties": a header's name in a field that keeps the name field's rules
// (tape/commands/name_field.h), and below it the header's type and the fields each type has
// (tape/commands/header_edit.h), those the chosen type lacks disabled. Accepted with "Save" (or
// Enter), rejected with "Cancel", Esc or the close box.
class PropertiesDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on `form`. A character refused in a field beeps on `desktop`.
    PropertiesDialog(Desktop& desktop, const PropertiesForm& form, QWidget* parent);

    // What the dialog holds, the name field's text taken back as bytes, unpadded.
    PropertiesForm form() const;

private:
    void enableFieldsOfType();

    PropertiesForm opened_;
    QLineEdit* field_;
    QComboBox* type_;
    std::vector<QLineEdit*> fields_;
};

}  // namespace murax
