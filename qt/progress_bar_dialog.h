// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProgressDialog>

#include <string>

#include "seam/window.h"

namespace murax {

// The progress bar with Cancel, window-modal over `parent`, shown at once: when to open it is
// decided below the faces.
class ProgressBarDialog final : public ProgressBar {
public:
    ProgressBarDialog(QWidget* parent, const std::string& title, const std::string& text);
    bool advance(double fraction) override;

private:
    QProgressDialog dialog_;
};

}  // namespace murax
