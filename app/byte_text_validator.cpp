// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/byte_text_validator.h"

#include "seam/desktop_services.h"
#include "tape/format/display_charset.h"

namespace murax {

QValidator::State ByteTextValidator::validate(QString& input, int&) const
{
    for (const char32_t c : input.toUcs4()) {
        if (!byteForDisplayChar(c)) {
            desktop_.beep();
            return Invalid;
        }
    }
    return Acceptable;
}

}  // namespace murax
