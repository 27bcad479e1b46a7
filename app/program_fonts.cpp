// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_fonts.h"

#include <QStringList>

namespace murax {

void installFontSubstitutions()
{
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans"});
    QFont::insertSubstitutions("Segoe UI", {"Liberation Sans"});
}

QFont mainWindowFont()
{
    QFont font("Courier New", 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Hinted, as on Windows: a character of the substitute then advances a whole 8 pixels at
    // 10 pt instead of 7.8, and the list's columns stay under the title band.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont statusBarFont()
{
    QFont font("Segoe UI");
    font.setPixelSize(12);
    return font;
}

}  // namespace murax
