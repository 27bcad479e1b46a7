// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QValidator>

#include "tape/commands/header_edit.h"

class QLabel;
class QWidget;

namespace murax {

class Desktop;

// What the small dialogs (properties, new entry) share: their font and their labels.

// "MS Sans Serif" 8 pt, or the font standing in for it. The stand-ins are a little wider, and the
// template leaves "Name:" no room to spare, so they are narrowed until that label fits again.
QFont smallDialogFont();

// A label at its template place, its text at the left, in the middle of its height.
QLabel* labelAt(const QString& text, const QRect& place, QWidget* parent);

// A header field's rule (headerFieldTakes) as Qt asks for it, a refusal beeping.
class HeaderFieldValidator : public QValidator {
public:
    HeaderFieldValidator(Desktop& desktop, HeaderField field, QObject* parent)
        : QValidator(parent), desktop_(desktop), field_(field)
    {}
    State validate(QString& input, int&) const override;

private:
    Desktop& desktop_;
    HeaderField field_;
};

}  // namespace murax
