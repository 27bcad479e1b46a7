// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/byte_text_validator.h"

#include "tape/commands/name_field.h"

namespace murax {

QValidator::State ByteTextValidator::validate(QString& input, int&) const
{
    return nameFieldTakes(input.toStdU32String(), desktop_) ? Acceptable : Invalid;
}

}  // namespace murax
