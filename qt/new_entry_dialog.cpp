// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/new_entry_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/byte_text_validator.h"
#include "qt/dialog_controls.h"
#include "qt/qt_look.h"
#include "tape/commands/header_edit.h"
#include "tape/commands/name_field.h"

namespace murax {

NewEntryDialog::NewEntryDialog(Desktop& desktop, const NewEntryForm& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      opened_(form)
{
    using namespace new_entry_dialog;
    setWindowTitle(QStringLiteral("New entry from file"));
    setModal(true);
    setFont(smallDialogFont());
    setFixedSize(toQRect(kSize).size());

    // A long file name is cut at its end; the whole line is the label's tooltip.
    QLabel* about = labelAt({}, toQRect(kAboutRect), this);
    about->setObjectName(QStringLiteral("cAbt"));
    about->setText(QFontMetrics(font()).elidedText(QString::fromStdString(form.about),
                                                   Qt::ElideRight, kAboutRect.width));
    about->setToolTip(QString::fromStdString(form.about));

    labelAt(QStringLiteral("Name:"), toQRect(kNameLabelRect), this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("cNam"));
    name_->setGeometry(toQRect(kNameRect));
    name_->setMaxLength(static_cast<int>(form.nameLength));
    name_->setValidator(new ByteTextValidator(desktop, name_));
    name_->setText(QString::fromStdU32String(nameFieldCharacters(form.name)));
    name_->selectAll();

    if (form.field >= 0 && static_cast<std::size_t>(form.field) < kHeaderFields.size()) {
        const HeaderField field = kHeaderFields[static_cast<std::size_t>(form.field)];
        labelAt(QString::fromStdString(headerFieldLabel(field)), toQRect(kFieldLabelRect), this);
        field_ = new QLineEdit(this);
        field_->setObjectName(QStringLiteral("cFld"));
        field_->setGeometry(toQRect(kFieldRect));
        field_->setMaxLength(static_cast<int>(headerFieldMaxLength(field)));
        field_->setText(QString::fromStdString(form.fieldText));
        field_->setValidator(new HeaderFieldValidator(desktop, field, field_));
    }

    const auto button = [this](const QString& text, const PixelRect& place) {
        auto* pushed = new QPushButton(text, this);
        pushed->setGeometry(toQRect(place));
        return pushed;
    };
    QPushButton* add = button(QStringLiteral("Add"), kAddRect);
    add->setDefault(true);
    connect(add, &QPushButton::clicked, this, [this] {
        insert_ = false;
        accept();
    });
    connect(button(QStringLiteral("Insert"), kInsertRect), &QPushButton::clicked, this, [this] {
        insert_ = true;
        accept();
    });
    connect(button(QStringLiteral("Cancel"), kCancelRect), &QPushButton::clicked, this,
            &QDialog::reject);
    name_->setFocus();
}

NewEntryForm NewEntryDialog::form() const
{
    NewEntryForm form = opened_;
    form.name = nameFieldBytes(name_->text().toStdU32String());
    if (field_ != nullptr)
        form.fieldText = field_->text().toStdString();
    form.insert = insert_;
    return form;
}

}  // namespace murax
