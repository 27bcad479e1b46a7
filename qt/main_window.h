// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

#include "qt/qt_png_encoder.h"
#include "seam/window.h"
#include "tape/model/block_list.h"
#include "window/window_events.h"

class QMenu;

namespace murax {

class BlockListView;
class EntryViewer;
class PlayWindow;
class StatusBar;
class Toolbar;

// The program's one top-level window: a fixed-size dialog with the toolbar along its top, the
// column title band, the block list box and the status bar. Every command receives it as its
// window. It closes at once on Esc or the close box, except while a command is still running
// (the hex editor's wait keeps the window alive and painting): then it beeps.
class MainWindow : public QDialog, public Window {
    Q_OBJECT
public:
    // `list` is the BlockList the commands work on and `app` the run's services they use; both
    // must outlive the window.
    MainWindow(AppContext& app, BlockList& list, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& app() override { return app_; }
    ListBox& listBox() override;
    void setTitle(const std::string& title) override;
    void repaintWithoutErasing() override;
    void setStatusText(const std::string& text) override;
    std::optional<PropertiesForm> editProperties(const PropertiesForm& form) override;
    std::optional<NewEntryForm> askNewEntry(const NewEntryForm& form) override;
    void showEntryViewer() override;
    PngEncoder& pngEncoder() override { return png_; }
    std::unique_ptr<ProgressBar> openProgressBar(const std::string& title,
                                                 const std::string& text) override;
    void showPlayWindow(std::unique_ptr<PlayingSound> playing) override;

    BlockListView* blockList() const { return list_; }
    StatusBar* statusBar() const { return statusBar_; }
    Toolbar* toolbar() const { return toolbar_; }
    // The viewer once F3 or the context menu has opened it (it stays, hidden, after it closes);
    // else null.
    EntryViewer* viewer() const { return viewer_; }
    // The play window once Play has opened it (it stays, hidden, after it closes); else null.
    PlayWindow* playWindow() const { return playWindow_; }

    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    class ShownViewer;

    AppContext& app_;
    BlockList& blocks_;
    WindowEvents events_;
    Toolbar* toolbar_ = nullptr;
    BlockListView* list_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    EntryViewer* viewer_ = nullptr;
    PlayWindow* playWindow_ = nullptr;
    std::unique_ptr<ShownViewer> shownViewer_;
    QtPngEncoder png_;
};

}  // namespace murax
