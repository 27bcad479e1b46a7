// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/entry_viewer.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <string>

#include "qt/program_fonts.h"
#include "seam/window_look.h"
#include "tape/inspect/entry_viewer_page.h"

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
    // Nothing typed into it is undone; keeping no undo steps makes a long text faster to set.
    text->document()->setUndoRedoEnabled(false);
    // Read-only text is selectable by mouse alone by default; the keyboard may select too.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return text;
}

QPixmap screenPixmap(const ScreenPicture& picture)
{
    const QImage image(picture.rgba.data(), kScreenWidth, kScreenHeight, QImage::Format_RGBA8888);
    return QPixmap::fromImage(image.scaled(kScreenWidth * kScreenScale,
                                           kScreenHeight * kScreenScale, Qt::IgnoreAspectRatio,
                                           Qt::FastTransformation));
}

}  // namespace

EntryViewer::EntryViewer(std::function<void()> exportEntry, std::function<void()> exportSound,
                         std::function<void()> play, QWidget* parent)
    : QDialog(parent),
      details_(readOnlyText("viewerDetails", this)),
      tabs_(new QTabWidget(this)),
      basic_(readOnlyText("viewerBasic", this)),
      screen_(new QLabel(this)),
      disassembly_(readOnlyText("viewerDisassembly", this)),
      hex_(readOnlyText("viewerHex", this)),
      export_(new QPushButton(kViewerExportButton, this)),
      exportSound_(new QPushButton(kViewerExportSoundButton, this)),
      play_(new QPushButton(kViewerPlayButton, this))
{
    setObjectName("entryViewer");
    setModal(false);
    tabs_->setObjectName("viewerTabs");
    screen_->setObjectName("viewerScreen");
    screen_->setAlignment(Qt::AlignCenter);
    // On a screen too low for the picture at twice its size the viewer still fits, showing the
    // picture's middle: the picture sets no minimum of its own.
    screen_->setMinimumSize(1, 1);
    export_->setObjectName("viewerExport");
    export_->setAutoDefault(false);
    exportSound_->setObjectName("viewerExportSound");
    exportSound_->setAutoDefault(false);
    play_->setObjectName("viewerPlay");
    play_->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(export_, QDialogButtonBox::ActionRole);
    buttons->addButton(exportSound_, QDialogButtonBox::ActionRole);
    buttons->addButton(play_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(export_, &QPushButton::clicked, this,
            [exportEntry = std::move(exportEntry)] { exportEntry(); });
    connect(exportSound_, &QPushButton::clicked, this,
            [exportSound = std::move(exportSound)] { exportSound(); });
    connect(play_, &QPushButton::clicked, this, [play = std::move(play)] { play(); });

    // The tab pages live in the tabs only while the entry has them; out of the tabs they must
    // not show as loose children of the window.
    for (const ViewerTab tab : kViewerTabs)
        widgetOf(tab)->hide();
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
    const EntryViewerPage page = entryViewerPage(entry);
    setWindowTitle(QString::fromStdString(page.windowTitle));
    details_->setPlainText(QString::fromStdString(page.details));
    fitDetailsToRows(page.detailRows);

    const std::optional<ViewerTab> previous = tabOf(tabs_->currentWidget());
    tabs_->clear();
    for (const ViewerTab tab : page.tabs) {
        if (tab == ViewerTab::BasicListing)
            basic_->setPlainText(QString::fromStdString(page.basicListing));
        else if (tab == ViewerTab::Screen)
            screen_->setPixmap(screenPixmap(*page.screen));
        else if (tab == ViewerTab::Disassembly)
            disassembly_->setPlainText(QString::fromStdString(page.disassembly));
        else
            hex_->setPlainText(QString::fromStdString(page.hexDump));
        tabs_->addTab(widgetOf(tab), viewerTabTitle(tab));
    }
    tabs_->setCurrentWidget(widgetOf(tabInFront(page, previous)));
}

QWidget* EntryViewer::widgetOf(ViewerTab tab) const
{
    switch (tab) {
    case ViewerTab::BasicListing:
        return basic_;
    case ViewerTab::Screen:
        return screen_;
    case ViewerTab::Disassembly:
        return disassembly_;
    case ViewerTab::HexDump:
        return hex_;
    }
    return hex_;
}

std::optional<ViewerTab> EntryViewer::tabOf(const QWidget* widget) const
{
    for (const ViewerTab tab : kViewerTabs)
        if (widgetOf(tab) == widget)
            return tab;
    return std::nullopt;
}

void EntryViewer::fitDetailsToRows(int rows)
{
    const int margins =
        2 * (details_->frameWidth() + static_cast<int>(details_->document()->documentMargin()));
    details_->setFixedHeight(rows * details_->fontMetrics().lineSpacing() + margins);
    layout()->activate();
}

}  // namespace murax
