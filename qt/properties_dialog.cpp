// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/properties_dialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "qt/byte_text_validator.h"
#include "qt/qt_look.h"
#include "tape/commands/header_edit.h"
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

// A header field's rule (headerFieldTakes) as Qt asks for it, a refusal beeping.
class HeaderFieldValidator : public QValidator {
public:
    HeaderFieldValidator(Desktop& desktop, HeaderField field, QObject* parent)
        : QValidator(parent), desktop_(desktop), field_(field)
    {}
    State validate(QString& input, int&) const override
    {
        return headerFieldTakes(field_, input.toStdU32String(), desktop_) ? Acceptable : Invalid;
    }

private:
    Desktop& desktop_;
    HeaderField field_;
};

QLabel* labelAt(const QString& text, const QRect& place, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

PropertiesDialog::PropertiesDialog(Desktop& desktop, const PropertiesForm& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      opened_(form)
{
    using namespace properties_dialog;
    setWindowTitle(QStringLiteral("Edit properties"));
    setModal(true);
    setFont(dialogFont());
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
