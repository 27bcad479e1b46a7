// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace murax {

class Desktop;

// The name field's rule (nameFieldTakes) as Qt asks for it: the text a key or a paste would leave
// is accepted whole or refused whole, with a beep.
class ByteTextValidator : public QValidator {
public:
    ByteTextValidator(Desktop& desktop, QObject* parent) : QValidator(parent), desktop_(desktop) {}
    State validate(QString& input, int& position) const override;

private:
    Desktop& desktop_;
};

}  // namespace murax
