// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace murax {

// One of the toolbar's 28 x 25 pictures by its resource name ("APRI", "SALVA", ...), with a
// transparent background. A null pixmap when there is no such picture.
QPixmap toolbarBitmap(const QString& name);

// The program icon ICONA (32 x 32), which every window and dialog carries.
QIcon programIcon();

}  // namespace murax
