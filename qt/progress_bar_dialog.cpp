// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/progress_bar_dialog.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace murax {
namespace {

// The steps of the bar: finer than any bar is wide.
constexpr int kSteps = 1000;

}  // namespace

ProgressBarDialog::ProgressBarDialog(QWidget* parent, const std::string& title,
                                     const std::string& text)
    : dialog_(QString::fromStdString(text), QStringLiteral("Cancel"), 0, kSteps, parent)
{
    dialog_.setWindowTitle(QString::fromStdString(title));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(0);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
    dialog_.show();
    QCoreApplication::processEvents();
}

bool ProgressBarDialog::advance(double fraction)
{
    dialog_.setValue(static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * kSteps)));
    QCoreApplication::processEvents();
    return !dialog_.wasCanceled();
}

}  // namespace murax
