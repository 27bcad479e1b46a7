// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/properties_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/byte_text_validator.h"
#include "qt/dialog_controls.h"
#include "qt/qt_look.h"
#include "tape/commands/header_edit.h"
#include "tape/commands/name_field.h"

namespace murax {
PropertiesDialog::PropertiesDialog(Desktop& desktop, const PropertiesForm& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      opened_(form)
{
    using namespace properties_dialog;
    setWindowTitle(QStringLiteral("Edit properties"));
    setModal(true);
    setFont(smallDialogFont());
    setFixedSize(toQRect(kSize).size());

    labelAt(QStringLiteral("Name:"), toQRect(properties_dialog::kLabelRect), this);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("cNam"));
    field_->setGeometry(toQRect(kFieldRect));
    field_->setMaxLength(static_cast<int>(form.nameLength));
    field_->setValidator(new ByteTextValidator(desktop, field_));
    field_->setText(QString::fromStdU32String(nameFieldCharacters(form.name)));
    field_->selectAll();

    labelAt(QStringLiteral("Type:"), toQRect(kTypeLabelRect), this);
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("cTyp"));
    type_->setGeometry(toQRect(kTypeRect));
    for (int type = 0; type < kHeaderTypeCount; ++type)
        type_->addItem(QString::fromStdString(headerTypeName(type)));
    type_->setCurrentIndex(form.type);

    QWidget* previous = type_;
    setTabOrder(field_, type_);
    for (std::size_t i = 0; i < kHeaderFields.size(); ++i) {
        const HeaderField field = kHeaderFields[i];
        const int row = static_cast<int>(i);
        labelAt(QString::fromStdString(headerFieldLabel(field)), toQRect(rowLabelRect(row)), this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("cFld%1").arg(row));
        edit->setGeometry(toQRect(rowFieldRect(row)));
        edit->setMaxLength(static_cast<int>(headerFieldMaxLength(field)));
        edit->setText(i < form.fields.size() ? QString::fromStdString(form.fields[i]) : QString());
        edit->setValidator(new HeaderFieldValidator(desktop, field, edit));
        fields_.push_back(edit);
        setTabOrder(previous, edit);
        previous = edit;
    }
    const int lengthRow = static_cast<int>(kHeaderFields.size());
    labelAt(QStringLiteral("Length:"), toQRect(rowLabelRect(lengthRow)), this);
    labelAt(QString::fromStdString(form.dataLength), toQRect(rowFieldRect(lengthRow)), this)
        ->setObjectName(QStringLiteral("cLen"));
    connect(type_, &QComboBox::currentIndexChanged, this, [this] { enableFieldsOfType(); });
    enableFieldsOfType();

    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setGeometry(toQRect(kSaveRect));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(toQRect(kCancelRect));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(previous, save);
    setTabOrder(save, cancel);
    field_->setFocus();
}

void PropertiesDialog::enableFieldsOfType()
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setEnabled(typeHasField(type_->currentIndex(), kHeaderFields[i]));
}

PropertiesForm PropertiesDialog::form() const
{
    PropertiesForm form = opened_;
    form.name = nameFieldBytes(field_->text().toStdU32String());
    form.type = type_->currentIndex();
    form.fields.clear();
    for (const QLineEdit* edit : fields_)
        form.fields.push_back(edit->text().toStdString());
    return form;
}

}  // namespace murax
