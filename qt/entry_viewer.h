// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string_view>

#include "tape/inspect/entry_viewer_page.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace murax {

// The viewer: a window of its own beside the main window, not modal, that draws an entry's page
// (tape/inspect/entry_viewer_page.h): the header's fields and the checks' verdicts above, the
// tabs below, the screen at twice its size. Every text can be selected and copied. Esc or Close
// hides it; Export... runs `exportEntry`, Export as sound... `exportSound` and Play `play`.
class EntryViewer : public QDialog {
    Q_OBJECT
public:
    EntryViewer(std::function<void()> exportEntry, std::function<void()> exportSound,
                std::function<void()> play, QWidget* parent);

    // Shows `entry` (its exact bytes), replacing what was shown before.
    void showEntry(std::string_view entry);

    QPlainTextEdit* details() const { return details_; }
    QTabWidget* tabs() const { return tabs_; }
    QPlainTextEdit* basicListing() const { return basic_; }
    QLabel* screen() const { return screen_; }
    QPlainTextEdit* disassembly() const { return disassembly_; }
    QPlainTextEdit* hexDump() const { return hex_; }
    QPushButton* exportButton() const { return export_; }
    QPushButton* exportSoundButton() const { return exportSound_; }
    QPushButton* playButton() const { return play_; }

private:
    void fitDetailsToRows(int rows);
    QWidget* widgetOf(ViewerTab tab) const;
    std::optional<ViewerTab> tabOf(const QWidget* widget) const;

    QPlainTextEdit* details_;
    QTabWidget* tabs_;
    QPlainTextEdit* basic_;
    QLabel* screen_;
    QPlainTextEdit* disassembly_;
    QPlainTextEdit* hex_;
    QPushButton* export_;
    QPushButton* exportSound_;
    QPushButton* play_;
};

}  // namespace murax
