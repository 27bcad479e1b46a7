// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/program_fonts.h"

#include <QStringList>

#include "seam/window_look.h"

namespace murax {

void installFontSubstitutions()
{
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans"});
    QFont::insertSubstitutions("Segoe UI", {"Liberation Sans"});
}

QFont mainWindowFont()
{
    QFont font(QString::fromLatin1(main_window::kFont.family), main_window::kFont.pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Hinted, as on Windows: a character of the substitute then advances a whole 8 pixels at
    // 10 pt instead of 7.8, and the list's columns stay under the title band.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont statusBarFont()
{
    QFont font(QString::fromLatin1(status_bar::kFont.family));
    font.setPixelSize(status_bar::kFont.pixelSize);
    return font;
}

}  // namespace murax
