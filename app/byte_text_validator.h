// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace murax {

class Desktop;

// Accepts only text made of characters that stand for a tape byte, so a name typed or pasted into
// a field can always be taken back as bytes. A refused character beeps, as the program does
// wherever it refuses something the user asked for.
class ByteTextValidator : public QValidator {
public:
    ByteTextValidator(Desktop& desktop, QObject* parent) : QValidator(parent), desktop_(desktop) {}
    State validate(QString& input, int& position) const override;

private:
    Desktop& desktop_;
};

}  // namespace murax
