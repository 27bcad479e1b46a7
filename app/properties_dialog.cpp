// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/properties_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/byte_text_validator.h"
#include "app/qt_look.h"
#include "tape/commands/name_field.h"

namespace murax {
namespace {

// The controls keep the template's places in pixels: the substitute font would measure
// differently and shift them.
constexpr QRect kLabelRect = toQRect(properties_dialog::kLabelRect);

// "MS Sans Serif" 8 pt, or the font standing in for it. The stand-ins are a little wider, and the
// template leaves "Name:" no room to spare, so they are narrowed until that label fits again.
QFont dialogFont()
{
    QFont font(QString::fromLatin1(properties_dialog::kFont.family),
               properties_dialog::kFont.pointSize);
    const QString widest = QStringLiteral("Name:");
    for (int stretch = 100; stretch > 70; --stretch) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(widest) <= kLabelRect.width() &&
            metrics.boundingRect(widest).right() < kLabelRect.width())
            break;
    }
    return font;
}

}  // namespace

PropertiesDialog::PropertiesDialog(Desktop& desktop, const std::string& fieldBytes,
                                   std::size_t maxLength, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Edit properties"));
    setModal(true);
    setFont(dialogFont());
    setFixedSize(toQRect(properties_dialog::kSize).size());

    auto* label = new QLabel(QStringLiteral("Name:"), this);
    label->setGeometry(kLabelRect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("cNam"));
    field_->setGeometry(toQRect(properties_dialog::kFieldRect));
    field_->setMaxLength(static_cast<int>(maxLength));
    field_->setValidator(new ByteTextValidator(desktop, field_));
    field_->setText(QString::fromStdU32String(nameFieldCharacters(fieldBytes)));
    field_->selectAll();

    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setGeometry(toQRect(properties_dialog::kSaveRect));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(toQRect(properties_dialog::kCancelRect));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(field_, save);
    setTabOrder(save, cancel);
    field_->setFocus();
}

std::string PropertiesDialog::nameBytes() const
{
    return nameFieldBytes(field_->text().toStdU32String());
}

}  // namespace murax
