// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <QtTest>

#include <algorithm>

#include "qt/program_fonts.h"
#include "qt/qt_look.h"
#include "qt/status_bar.h"
#include "qt/title_band.h"

using namespace murax;

// The column title band and the status bar, painted and read back pixel by pixel.
class TitleBandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void framesSitOnTheColumnEdges();
    void gradientShadesEachHalfBetweenItsColours();
    void titlesAreCentredInTheirColumns();
    void statusBarShowsItsTextFourPixelsIn();

private:
    static bool hasInk(const QImage& image, const QRect& area, const QColor& paper);

    QWidget window_;
    QImage band_;
};

void TitleBandTest::initTestCase()
{
    installFontSubstitutions();
    window_.setFont(mainWindowFont());
    window_.resize(446, 602);
    QPalette palette = window_.palette();
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Dark, QColor(160, 160, 160));
    window_.setPalette(palette);

    band_ = QImage(446, 60, QImage::Format_RGB32);
    band_.fill(Qt::magenta);
    QPainter painter(&band_);
    TITOLI(window_, painter);
}

bool TitleBandTest::hasInk(const QImage& image, const QRect& area, const QColor& paper)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != paper && image.pixelColor(x, y).lightness() < 100)
                return true;
    return false;
}

void TitleBandTest::framesSitOnTheColumnEdges()
{
    const QColor black(0, 0, 0), light(255, 255, 255), dark(160, 160, 160);
    // Nothing above or below rows 31 to 48.
    QCOMPARE(band_.pixelColor(50, 30), QColor(Qt::magenta));
    QCOMPARE(band_.pixelColor(50, 49), QColor(Qt::magenta));
    QCOMPARE(band_.pixelColor(5, 31), black);
    QCOMPARE(band_.pixelColor(445, 48), black);
    // One black line between neighbouring columns, at each right edge 100, 250 and 340.
    for (const int edge : {100, 250, 340}) {
        QCOMPARE(band_.pixelColor(edge, 40), black);
        QCOMPARE(band_.pixelColor(edge - 1, 40), dark);
        QCOMPARE(band_.pixelColor(edge + 1, 40), light);
    }
    // The raised frame inside: light on the left and top, dark on the right and bottom.
    QCOMPARE(band_.pixelColor(0, 40), light);
    QCOMPARE(band_.pixelColor(5, 32), light);
    QCOMPARE(band_.pixelColor(5, 47), dark);
    // The last black line, at x 446, falls just outside the window; its shadow line shows.
    QCOMPARE(band_.pixelColor(445, 40), dark);
}

void TitleBandTest::gradientShadesEachHalfBetweenItsColours()
{
    // Rows 31-39 shade between the upper half's colours, rows 40-48 between the lower half's. The
    // frames cover rows 31, 32, 47 and 48; columns near x 3 carry no text.
    const QColor upperTop = toQColor(band_gradient::kUpperTop);
    const QColor upperBottom = toQColor(band_gradient::kUpperBottom);
    const QColor lowerTop = toQColor(band_gradient::kLowerTop);
    const QColor lowerBottom = toQColor(band_gradient::kLowerBottom);
    QCOMPARE(band_.pixelColor(3, 39), upperBottom);
    QCOMPARE(band_.pixelColor(3, 40), lowerTop);
    // Each row lies between its half's colours, a step on from the row above towards the last.
    const auto shadesTowards = [this](int firstRow, int lastRow, const QColor& from,
                                      const QColor& to) {
        for (int y = firstRow; y <= lastRow; ++y) {
            const QColor row = band_.pixelColor(3, y), above = band_.pixelColor(3, y - 1);
            for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue}) {
                const int value = (row.*channel)(), start = (from.*channel)(),
                          end = (to.*channel)();
                if (value < std::min(start, end) || value > std::max(start, end) ||
                    (value - (above.*channel)()) * (end - start) < 0)
                    return false;
            }
        }
        return true;
    };
    QVERIFY(shadesTowards(34, 39, upperTop, upperBottom));
    QVERIFY(shadesTowards(41, 46, lowerTop, lowerBottom));
    QVERIFY(band_.pixelColor(3, 34) != upperBottom);
    QVERIFY(band_.pixelColor(3, 46) != lowerTop);
}

void TitleBandTest::titlesAreCentredInTheirColumns()
{
    // "Name" is 32 pixels wide, centred in columns 0-100: ink between about 34 and 66 only.
    const QRect rows(0, 33, 1, 14);
    auto inkAt = [&](int left, int right) {
        return hasInk(band_, QRect(left, rows.top(), right - left + 1, rows.height()), Qt::magenta);
    };
    QVERIFY(!inkAt(2, 30));
    QVERIFY(inkAt(36, 64));
    QVERIFY(!inkAt(70, 98));
    // "Length  " keeps its two trailing spaces: the word sits left of the column's centre.
    const int centre = (341 + 446) / 2;
    QVERIFY(inkAt(centre - 30, centre - 1));
    QVERIFY(!inkAt(centre + 18, 443));
}

void TitleBandTest::statusBarShowsItsTextFourPixelsIn()
{
    QWidget parent;
    parent.resize(446, 602);
    StatusBar bar(&parent);
    bar.setGeometry(0, 578, 446, 24);
    bar.setText("Blocks: 3 & more");
    QCOMPARE(bar.text(), QString("Blocks: 3 & more"));
    const QImage image = bar.grab().toImage();
    QCOMPARE(image.size(), QSize(446, 24));
    // The title band's gradient, from its first colour at the top to its last at the bottom.
    QCOMPARE(image.pixelColor(440, 1), toQColor(band_gradient::kUpperTop));
    QCOMPARE(image.pixelColor(440, 22), toQColor(band_gradient::kLowerBottom));

    int firstInk = -1;
    for (int x = 0; x < 40 && firstInk < 0; ++x)
        if (hasInk(image, QRect(x, 2, 1, 20), QColor()))
            firstInk = x;
    QVERIFY2(firstInk >= 4 && firstInk <= 6, qPrintable(QString::number(firstInk)));
    // The text is vertically centred: ink both above and below the middle row.
    QVERIFY(hasInk(image, QRect(4, 5, 80, 7), QColor()));
    QVERIFY(hasInk(image, QRect(4, 12, 80, 5), QColor()));
}

QTEST_MAIN(TitleBandTest)
#include "title_band_test.moc"
