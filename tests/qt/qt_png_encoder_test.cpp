// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QtTest>

#include <cstdint>
#include <vector>

#include "qt/qt_png_encoder.h"

// The Qt window's PNG files, read back with Qt's own reader.
class QtPngEncoderTest : public QObject {
    Q_OBJECT

private slots:
    void keepsEveryPixelAndItsPlace()
    {
        const int width = 3, height = 2;
        std::vector<std::uint8_t> rgba;
        for (int i = 0; i < width * height; ++i)
            rgba.insert(rgba.end(),
                        {std::uint8_t(40 * i), std::uint8_t(255 - i), std::uint8_t(7 * i), 255});
        murax::QtPngEncoder encoder;
        const std::string png = encoder.encode(width, height, rgba);
        QVERIFY(png.rfind("\x89PNG", 0) == 0);
        QImage image;
        QVERIFY(image.loadFromData(QByteArray::fromStdString(png), "PNG"));
        QCOMPARE(image.size(), QSize(width, height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int i = y * width + x;
                QCOMPARE(image.pixelColor(x, y), QColor(40 * i, 255 - i, 7 * i));
            }
        QCOMPARE(encoder.encode(width, height, std::vector<std::uint8_t>(5)), std::string());
    }
};

QTEST_MAIN(QtPngEncoderTest)
#include "qt_png_encoder_test.moc"
