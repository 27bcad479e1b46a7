// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <cstddef>
#include <string>

class QLineEdit;

namespace murax {

class Desktop;

// "Edit properties": asks for a header's new name in a field that keeps the name field's rules
// (tape/commands/name_field.h). Accepted with "Save" (or Enter), rejected with "Cancel", Esc or
// the close box.
class PropertiesDialog : public QDialog {
    Q_OBJECT
public:
    // `fieldBytes`: the text the field opens with; `maxLength`: the most characters it takes. A
    // character refused in the field beeps on `desktop`.
    PropertiesDialog(Desktop& desktop, const std::string& fieldBytes, std::size_t maxLength,
                     QWidget* parent);

    // The field's text taken back as bytes, unpadded.
    std::string nameBytes() const;

private:
    QLineEdit* field_;
};

}  // namespace murax
