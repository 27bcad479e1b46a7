// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/dialog_controls.h"

#include <QFontMetrics>
#include <QLabel>

#include "qt/qt_look.h"

namespace murax {

QFont smallDialogFont()
{
    // The controls keep the template's places in pixels: the substitute font would measure
    // differently and shift them.
    constexpr QRect labelRect = toQRect(properties_dialog::kLabelRect);
    QFont font(QString::fromLatin1(properties_dialog::kFont.family),
               properties_dialog::kFont.pointSize);
    const QString widest = QStringLiteral("Name:");
    for (int stretch = 100; stretch > 70; --stretch) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(widest) <= labelRect.width() &&
            metrics.boundingRect(widest).right() < labelRect.width())
            break;
    }
    return font;
}

QLabel* labelAt(const QString& text, const QRect& place, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QValidator::State HeaderFieldValidator::validate(QString& input, int&) const
{
    return headerFieldTakes(field_, input.toStdU32String(), desktop_) ? Acceptable : Invalid;
}

}  // namespace murax
