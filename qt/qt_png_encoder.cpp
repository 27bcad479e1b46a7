// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_png_encoder.h"

#include <QBuffer>
#include <QImage>

namespace murax {

std::string QtPngEncoder::encodeRgba(int width, int height, const std::uint8_t* rgba)
{
    const QImage image(rgba, width, height, width * 4, QImage::Format_RGBA8888);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return png.toStdString();
}

}  // namespace murax
