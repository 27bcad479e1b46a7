// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QCloseEvent>
#include <QPainter>
#include <QTimer>

#include "app/block_list_view.h"
#include "app/entry_viewer.h"
#include "app/list_key_filter.h"
#include "app/program_fonts.h"
#include "app/program_icon.h"
#include "app/properties_dialog.h"
#include "app/qt_look.h"
#include "app/status_bar.h"
#include "app/title_band.h"
#include "app/toolbar.h"
#include "app/toolbar_menus.h"
#include "seam/command_dispatch.h"
#include "seam/desktop_services.h"
#include "tape/commands/drop_commands.h"
#include "tape/commands/export_command.h"
#include "tape/commands/key_router.h"

namespace murax {

MainWindow::MainWindow(AppContext& app, BlockList& list, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint),
      app_(app),
      blocks_(list)
{
    using namespace main_window;
    setObjectName("MURAX");
    setWindowTitle(kWindowTitle);
    setFont(mainWindowFont());
    setFixedSize(kClientWidth, kClientHeight);
    setSizeGripEnabled(false);
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    setPalette(background);
    setAutoFillBackground(true);

    installProgramIcon();

    toolbar_ = new Toolbar(app_, [this](const Command& command) { runCommand(command); }, this);

    list_ = new BlockListView(blocks_.lines(), this);
    list_->setFont(mainWindowFont());
    list_->setGeometry(toQRect(kListRect));
    list_->installEventFilter(new ListKeyFilter(
        [this](const KeyPress& key) { return TASTI(*this, key, blocks_); }, list_));
    // The first click of a double-click has already made the row current.
    connect(list_, &QAbstractItemView::doubleClicked, this, [this] {
        if (const Command* command = doubleClickCommand())
            runCommand(*command);
    });
    list_->setDropHandlers(
        [this](int before) {
            dispatchCommand(app_, [this, before] { TRASCINA(*this, blocks_, before); });
        },
        [this](const std::vector<std::string>& files, int before) {
            dispatchCommand(app_,
                            [this, &files, before] { RILASCIA(*this, blocks_, files, before); });
        });

    contextMenu_ = listContextMenu([this](const Command& command) { runCommand(command); }, this);
    list_->setContextMenuHandler([this](const QPoint& at) { showPopupMenu(*contextMenu_, at); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { followCurrentRow(); });
    // A command that empties the list leaves nothing to show.
    connect(list_->model(), &QAbstractItemModel::modelReset, this, [this] {
        if (viewer_ != nullptr && blocks_.empty())
            viewer_->hide();
    });

    statusBar_ = STATUSBAR(*this, blocks_);

    list_->setFocus();
}

void MainWindow::runCommand(const Command& command)
{
    dispatchCommand(app_, [this, &command] { command.routine(*this, blocks_); });
}

ListBox& MainWindow::listBox()
{
    return *list_;
}

void MainWindow::setTitle(const std::string& title)
{
    setWindowTitle(QString::fromStdString(title));
}

void MainWindow::repaintWithoutErasing()
{
    update();
}

void MainWindow::setStatusText(const std::string& text)
{
    statusBar_->setText(QString::fromStdString(text));
}

std::optional<std::string> MainWindow::editName(const std::string& fieldText,
                                                std::size_t maxLength)
{
    PropertiesDialog dialog(app_.desktop(), fieldText, maxLength, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.nameBytes();
}

void MainWindow::showEntryViewer()
{
    if (viewer_ == nullptr)
        viewer_ = new EntryViewer(
            [this] { dispatchCommand(app_, [this] { exportCommand(*this, blocks_); }); }, this);
    viewer_->show();
    followCurrentRow();
    viewer_->raise();
    viewer_->activateWindow();
}

void MainWindow::followCurrentRow()
{
    const int row = list_->currentPosition() - 1;
    if (viewer_ == nullptr || !viewer_->isVisible() || row < 0
        || static_cast<std::size_t>(row) >= blocks_.count())
        return;
    viewer_->showEntry(blocks_.entries()[row]);
}

void MainWindow::reject()
{
    // While a command runs (the hex editor's wait among them) the window must stay: the command
    // still holds its positions in the list and will write its result back. The refusal beeps.
    if (app_.commandRunning()) {
        app_.desktop().beep();
        return;
    }
    QDialog::reject();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (app_.commandRunning()) {
        app_.desktop().beep();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void MainWindow::hideEvent(QHideEvent* event)
{
    // The viewer belongs to this window: it must not stay on the screen once the window has
    // gone (and the exit question is asked).
    if (viewer_ != nullptr && !event->spontaneous())
        viewer_->hide();
    QDialog::hideEvent(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    // QDialog centres a window without a parent on the screen by itself.
    QDialog::showEvent(event);
    list_->setFocus();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    TITOLI(*this, painter);
    if (!painted_) {
        painted_ = true;
        // Once, right after the first paint: row 1 becomes selected and current.
        QTimer::singleShot(0, list_, [list = list_] { list->select(1); });
    }
}

}  // namespace murax
