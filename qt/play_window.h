// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

#include "seam/sound_output.h"

class QLabel;
class QPushButton;
class QTimer;

namespace murax {

// The play window: a small window of its own, not modal, that shows what a playing sound says of
// itself a few times a second, with Stop. Stop, Esc and the close box stop the sound; the window
// closes once the sound has ended, and the sound then tells what the user needs to know of it.
class PlayWindow : public QDialog {
    Q_OBJECT
public:
    explicit PlayWindow(QWidget* parent);
    ~PlayWindow() override;

    // Shows `playing`, stopping what played before.
    void play(std::unique_ptr<PlayingSound> playing);
    // Whether a sound is still shown.
    bool isPlaying() const { return playing_ != nullptr; }

    QLabel* progress() const { return progress_; }
    QPushButton* stopButton() const { return stop_; }

    void reject() override;

private:
    void refresh();
    void finish();

    QLabel* progress_;
    QPushButton* stop_;
    QTimer* timer_;
    std::unique_ptr<PlayingSound> playing_;
};

}  // namespace murax
