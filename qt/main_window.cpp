// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/main_window.h"

#include <QCloseEvent>

#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "qt/block_list_view.h"
#include "qt/entry_viewer.h"
#include "qt/list_key_filter.h"
#include "qt/new_entry_dialog.h"
#include "qt/play_window.h"
#include "qt/program_fonts.h"
#include "qt/program_icon.h"
#include "qt/progress_bar_dialog.h"
#include "qt/properties_dialog.h"
#include "qt/qt_look.h"
#include "qt/status_bar.h"
#include "qt/title_band.h"
#include "qt/toolbar.h"
#include "qt/toolbar_menus.h"
#include "seam/window_placement.h"
#include "window/entry_viewer_face.h"

namespace murax {

// The viewer as the main window's events see it.
class MainWindow::ShownViewer : public EntryViewerFace {
public:
    explicit ShownViewer(EntryViewer& viewer) : viewer_(viewer) {}
    bool isShowing() const override { return viewer_.isVisible(); }
    void showEntry(std::string_view entry) override { viewer_.showEntry(entry); }
    void putAway() override { viewer_.hide(); }

private:
    EntryViewer& viewer_;
};

MainWindow::MainWindow(AppContext& app, BlockList& list, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      app_(app),
      blocks_(list),
      events_(*this, list)
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

    toolbar_ = new Toolbar(
        [this](ToolbarButton button, const MenuChoice& showMenu) {
            events_.toolbarClicked(button, showMenu);
        },
        this);

    list_ = new BlockListView(blocks_.lines(), this);
    list_->setFont(mainWindowFont());
    list_->setGeometry(toQRect(kListRect));
    list_->installEventFilter(
        new ListKeyFilter([this](const KeyPress& key) { return events_.keyPressed(key); }, list_));
    connect(list_, &QAbstractItemView::doubleClicked, this, [this] { events_.rowDoubleClicked(); });
    list_->setDropHandlers([this](int before) { events_.rowsDragged(before); },
                           [this](const std::vector<std::string>& files, int before) {
                               events_.filesDropped(files, before);
                           });

    contextMenu_ = commandMenu(contextMenuEntries(), this);
    list_->setContextMenuHandler([this](const QPoint& at) {
        events_.contextMenuRequested([this, at] { return chooseFromMenu(*contextMenu_, at); });
    });
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { events_.currentRowChanged(); });
    connect(list_->model(), &QAbstractItemModel::modelReset, this,
            [this] { events_.listReloaded(); });

    statusBar_ = STATUSBAR(*this);
    events_.opened();

    list_->setFocus();
}

MainWindow::~MainWindow() = default;

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

std::optional<PropertiesForm> MainWindow::editProperties(const PropertiesForm& form)
{
    PropertiesDialog dialog(app_.desktop(), form, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.form();
}

std::optional<NewEntryForm> MainWindow::askNewEntry(const NewEntryForm& form)
{
    NewEntryDialog dialog(app_.desktop(), form, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.form();
}

std::unique_ptr<ProgressBar> MainWindow::openProgressBar(const std::string& title,
                                                         const std::string& text)
{
    return std::make_unique<ProgressBarDialog>(this, title, text);
}

void MainWindow::showEntryViewer()
{
    if (viewer_ == nullptr) {
        viewer_ = new EntryViewer([this] { events_.exportRequested(); },
                                  [this] { events_.exportSoundRequested(); },
                                  [this] { events_.playRequested(); }, this);
        shownViewer_ = std::make_unique<ShownViewer>(*viewer_);
    }
    const bool opening = !viewer_->isVisible();
    viewer_->show();
    if (opening) {
        // Beside the window, within the work area of its screen; placed once shown, when the
        // window system has given it its frame.
        const QSize frameExtra = viewer_->frameGeometry().size() - viewer_->size();
        const QSize frame = viewer_->size() + frameExtra;
        const PixelRect place =
            besideWithin(toPixelRect(frameGeometry()), frame.width(), frame.height(),
                         toPixelRect(screen()->availableGeometry()));
        viewer_->resize(place.width - frameExtra.width(), place.height - frameExtra.height());
        viewer_->move(place.x, place.y);
    }
    events_.viewerShown(*shownViewer_);
    viewer_->raise();
    viewer_->activateWindow();
}

void MainWindow::showPlayWindow(std::unique_ptr<PlayingSound> playing)
{
    if (playWindow_ == nullptr)
        playWindow_ = new PlayWindow(this);
    const bool opening = !playWindow_->isVisible();
    playWindow_->play(std::move(playing));
    playWindow_->show();
    if (opening) {
        // Below the window, within the work area of its screen, where it hides no row.
        const QRect work = screen()->availableGeometry();
        const QRect frame = playWindow_->frameGeometry();
        const int x =
            std::max(work.left(), std::min(frameGeometry().left(), work.right() - frame.width()));
        const int y = std::max(
            work.top(), std::min(frameGeometry().bottom() + 1, work.bottom() - frame.height()));
        playWindow_->move(x, y);
    }
}

void MainWindow::reject()
{
    if (events_.mayClose())
        QDialog::reject();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!events_.mayClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void MainWindow::hideEvent(QHideEvent* event)
{
    // The viewer belongs to this window: it must not stay on the screen once the window has
    // gone (and the exit question is asked).
    if (!event->spontaneous()) {
        events_.windowHidden();
        // Nor may its sound go on playing.
        if (playWindow_ != nullptr)
            playWindow_->reject();
    }
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
    events_.painted(
        [this](std::function<void()> call) { QTimer::singleShot(0, list_, std::move(call)); });
}

}  // namespace murax
