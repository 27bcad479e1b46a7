// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry_viewer.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

#include "app/program_fonts.h"
#include "seam/window_look.h"
#include "tape/inspect/entry_details.h"

namespace murax {
namespace {

using entry_viewer::kScreenScale;

QPlainTextEdit* readOnlyText(const char* objectName, QWidget* parent)
{
    auto* text = new QPlainTextEdit(parent);
    text->setObjectName(objectName);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(mainWindowFont());
    // Read-only text is selectable by mouse alone by default; the keyboard may select too.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return text;
}

QString joined(const std::vector<std::string>& lines)
{
    QString text;
    for (const std::string& line : lines) {
        text += QString::fromStdString(line);
        text += '\n';
    }
    return text;
}

QString detailsText(const EntryDetails& details)
{
    std::vector<std::string> lines;
    for (const FieldLine& field : details.fields)
        lines.push_back(field.label + ": " + field.value);
    if (!lines.empty())
        lines.emplace_back();
    for (const Verdict& verdict : details.verdicts)
        lines.push_back((verdict.passed ? "OK      " : "PROBLEM ") + verdict.text);
    return joined(lines);
}

QPixmap screenPixmap(const ScreenPicture& picture)
{
    const QImage image(picture.rgba.data(), kScreenWidth, kScreenHeight, QImage::Format_RGBA8888);
    return QPixmap::fromImage(image.scaled(kScreenWidth * kScreenScale,
                                           kScreenHeight * kScreenScale, Qt::IgnoreAspectRatio,
                                           Qt::FastTransformation));
}

}  // namespace

EntryViewer::EntryViewer(std::function<void()> exportEntry, QWidget* parent)
    : QDialog(parent),
      details_(readOnlyText("viewerDetails", this)),
      tabs_(new QTabWidget(this)),
      basic_(readOnlyText("viewerBasic", this)),
      screen_(new QLabel(this)),
      hex_(readOnlyText("viewerHex", this)),
      export_(new QPushButton("Export...", this))
{
    setObjectName("entryViewer");
    setModal(false);
    tabs_->setObjectName("viewerTabs");
    screen_->setObjectName("viewerScreen");
    screen_->setAlignment(Qt::AlignCenter);
    export_->setObjectName("viewerExport");
    export_->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(export_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(export_, &QPushButton::clicked, this, [exportEntry = std::move(exportEntry)] {
        exportEntry();
    });

    // The tab pages live in the tabs only while the entry has them; out of the tabs they must
    // not show as loose children of the window.
    for (QWidget* page : {static_cast<QWidget*>(basic_), static_cast<QWidget*>(screen_),
                          static_cast<QWidget*>(hex_)})
        page->hide();
    // The fields and verdicts are sentences: they wrap instead of scrolling sideways.
    details_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    details_->setFont(font());
    details_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(details_);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
    // The screen at twice its size fits its tab without scrolling.
    resize(kScreenWidth * kScreenScale + entry_viewer::kWidthBesideScreen, entry_viewer::kHeight);
}

void EntryViewer::showEntry(std::string_view entry)
{
    const EntryDetails details = detailsOfEntry(entry);
    setWindowTitle(QString::fromStdString(details.title));
    details_->setPlainText(detailsText(details));
    fitDetailsToText();
    hex_->setPlainText(joined(details.hexDump));

    const bool hexInFront = tabs_->currentWidget() == hex_;
    tabs_->clear();
    if (details.basicListing) {
        basic_->setPlainText(joined(*details.basicListing));
        tabs_->addTab(basic_, "BASIC listing");
    }
    if (details.screen) {
        screen_->setPixmap(screenPixmap(*details.screen));
        tabs_->addTab(screen_, "Screen");
    }
    tabs_->addTab(hex_, "Hex dump");
    // The listing or the picture, which say more, come first, unless the user has brought the
    // hex dump to the front: it stays there while the viewer follows the rows.
    tabs_->setCurrentWidget(hexInFront ? static_cast<QWidget*>(hex_) : tabs_->widget(0));
}

void EntryViewer::fitDetailsToText()
{
    // Every field and verdict in sight without scrolling: a header entry has at most fifteen
    // lines, with room for a verdict that wraps.
    constexpr int kMostLines = 18;
    const int lines = std::min(details_->blockCount() + 2, kMostLines);
    const int margins =
        2 * (details_->frameWidth() + static_cast<int>(details_->document()->documentMargin()));
    details_->setFixedHeight(lines * details_->fontMetrics().lineSpacing() + margins);
    layout()->activate();
}

}  // namespace murax
