// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/resource_images.h"

// The pictures are compiled into the static murax_qt library; a static library's resources are
// only linked in when something names their initialiser, which must happen outside any namespace.
static void registerCompiledResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

namespace murax {

QPixmap toolbarBitmap(const QString& name)
{
    registerCompiledResources();
    return QPixmap(QStringLiteral(":/bitmaps/%1.png").arg(name));
}

QIcon programIcon()
{
    registerCompiledResources();
    return QIcon(QStringLiteral(":/icons/ICONA.png"));
}

}  // namespace murax
