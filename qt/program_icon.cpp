// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/program_icon.h"

#include <QApplication>

#include "qt/resource_images.h"

namespace murax {

void installProgramIcon()
{
    const QIcon icon = programIcon();
    if (!icon.availableSizes().isEmpty())
        QApplication::setWindowIcon(icon);
}

}  // namespace murax
