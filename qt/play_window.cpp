// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/play_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "tape/commands/tape_playing.h"

namespace murax {
namespace {

constexpr int kRefreshMilliseconds = 200;

}  // namespace

PlayWindow::PlayWindow(QWidget* parent)
    : QDialog(parent),
      progress_(new QLabel(this)),
      stop_(new QPushButton(kPlayStopButton, this)),
      timer_(new QTimer(this))
{
    setObjectName("playWindow");
    setModal(false);
    progress_->setObjectName("playProgress");
    progress_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stop_->setObjectName("playStop");
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(stop_, QDialogButtonBox::RejectRole);
    connect(stop_, &QPushButton::clicked, this, &PlayWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addWidget(buttons);
    timer_->setInterval(kRefreshMilliseconds);
    connect(timer_, &QTimer::timeout, this, &PlayWindow::refresh);
}

PlayWindow::~PlayWindow() = default;

void PlayWindow::play(std::unique_ptr<PlayingSound> playing)
{
    if (playing_)
        playing_->stop();
    playing_ = std::move(playing);
    setWindowTitle(QString::fromStdString(playing_->windowTitle()));
    refresh();
    timer_->start();
}

void PlayWindow::refresh()
{
    if (!playing_)
        return;
    if (playing_->ended()) {
        finish();
        return;
    }
    progress_->setText(QString::fromStdString(playing_->progressText()));
}

void PlayWindow::reject()
{
    if (playing_)
        playing_->stop();
    finish();
}

void PlayWindow::finish()
{
    timer_->stop();
    const std::unique_ptr<PlayingSound> ended = std::move(playing_);
    QDialog::reject();
    if (ended)
        ended->tellHowItEnded();
}

}  // namespace murax
