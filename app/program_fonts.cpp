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
    return font;
}

QFont statusBarFont()
{
    QFont font("Segoe UI");
    font.setPixelSize(12);
    return font;
}

}  // namespace murax
