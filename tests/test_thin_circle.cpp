// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/surface.h"
#include "surface/thin_circle.h"

#include <QTest>

#include <cmath>
#include <numbers>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

const QRgb ink = qRgb(0, 0, 0);
const QColor paper(255, 255, 255);

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(paper);
    return image;
}

using Pixels = std::set<std::pair<int, int>>;

Pixels inked(const QImage& image) {
    Pixels pixels;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & RGB_MASK) == (ink & RGB_MASK))
                pixels.insert({x, y});
    }
    return pixels;
}

int neighbours(const Pixels& pixels, std::pair<int, int> p) {
    int count = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            count += (dx || dy) && pixels.count({p.first + dx, p.second + dy});
    return count;
}

// What is wrong with a whole circle drawn one pixel wide, or an empty text.
QString problemsOf(const Pixels& pixels, QPointF c, double r) {
    if (pixels.empty())
        return QStringLiteral("nothing drawn");
    for (const auto& p : pixels) {
        const double off = std::hypot(p.first - c.x(), p.second - c.y()) - r;
        if (std::abs(off) > 0.5 + 1e-9)
            return QStringLiteral("pixel %1,%2 is %3 off the circle")
                .arg(p.first)
                .arg(p.second)
                .arg(off);
        if (pixels.count({p.first + 1, p.second}) && pixels.count({p.first, p.second + 1}) &&
            pixels.count({p.first + 1, p.second + 1}))
            return QStringLiteral("2x2 block at %1,%2").arg(p.first).arg(p.second);
        // A closed curve leaves no loose end.
        if (neighbours(pixels, p) < 2)
            return QStringLiteral("loose end at %1,%2").arg(p.first).arg(p.second);
    }
    Pixels reached{*pixels.begin()};
    std::vector<std::pair<int, int>> open{*pixels.begin()};
    while (!open.empty()) {
        const auto p = open.back();
        open.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const std::pair<int, int> q{p.first + dx, p.second + dy};
                if (pixels.count(q) && reached.insert(q).second)
                    open.push_back(q);
            }
    }
    if (reached.size() != pixels.size())
        return QStringLiteral("%1 of %2 pixels not 8-connected")
            .arg(pixels.size() - reached.size())
            .arg(pixels.size());
    // All the way round: every point of the circle has a pixel within one pixel of it.
    for (int k = 0; k < 720; ++k) {
        const double a = k * std::numbers::pi / 360;
        const int x = int(std::floor(c.x() + r * std::cos(a) + 0.5));
        const int y = int(std::floor(c.y() + r * std::sin(a) + 0.5));
        if (!pixels.count({x, y}) && neighbours(pixels, {x, y}) == 0)
            return QStringLiteral("gap at %1 degrees").arg(k / 2.0);
    }
    return {};
}

} // namespace

class ThinCircleTest : public QObject {
    Q_OBJECT
private slots:
    // Centres and radii as a frame of one unit per logical pixel puts them on the raster at
    // each pixel ratio: whole, half and third pixels, and odd fractions.
    void oneRasterPixelCircles_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("ratio 1") << qreal(1);
        QTest::newRow("ratio 1.5") << qreal(1.5);
        QTest::newRow("ratio 2") << qreal(2);
    }
    void oneRasterPixelCircles() {
        QFETCH(qreal, dpr);
        const double radii[] = {1.03, 1.07, 1.1,  1.5,  2,  2.5,  3,     3.3,  4,   5.7,  7,
                                8.6,  12,   17.2, 25.5, 33, 48.9, 64.25, 99.9, 128, 175.3};
        const QPointF centres[] = {{200, 200},      {200.5, 200.5},    {200.25, 200.75},
                                   {201.1, 199.37}, {199.93, 200.01},  {200.333, 200.667},
                                   {200.5, 200},    {200.123, 200.877}};
        std::vector<std::pair<QPointF, double>> circles;
        for (double radius : radii)
            for (QPointF centre : centres)
                circles.push_back({centre, radius});
        // And as many at random, of every size the picture holds.
        std::mt19937 random(13);
        std::uniform_real_distribution<double> offset(-1, 1);
        std::uniform_real_distribution<double> size(1, 190);
        for (int k = 0; k < 150; ++k)
            circles.push_back({QPointF(200 + offset(random), 200 + offset(random)), size(random)});
        int checked = 0;
        for (const auto& [centre, radius] : circles) {
            QImage image = blank(qRound(400 * dpr), qRound(400 * dpr));
            const QPointF c = centre * dpr;
            const double r = radius * dpr;
            QVERIFY(surface::drawThinCircle(image, c, r, ink));
            const QString problem = problemsOf(inked(image), c, r);
            QVERIFY2(
                problem.isEmpty(),
                qPrintable(
                    QStringLiteral("r %1 at %2,%3: %4").arg(r).arg(c.x()).arg(c.y()).arg(problem)));
            ++checked;
        }
        QCOMPARE(checked, int(circles.size()));
    }

    // A circle that leaves the picture sets exactly the pixels of the picture's part of the
    // same circle drawn whole on a larger raster. The centres are eighths of a pixel so that
    // shifting them by whole pixels changes no arithmetic.
    void clippedCircleIsTheVisiblePartOfTheWholeOne_data() {
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<double>("radius");
        QTest::newRow("centre left of the picture") << QPointF(-40.375, 70.125) << 90.5;
        QTest::newRow("centre above and right") << QPointF(230.625, -25.5) << 61.25;
        QTest::newRow("centre below") << QPointF(100.125, 240.875) << 120.0;
        QTest::newRow("larger than the picture, centre inside") << QPointF(100.5, 75.25) << 180.375;
        QTest::newRow("larger than the picture, centre far out")
            << QPointF(-300.25, -200.75) << 420.625;
        QTest::newRow("round the whole picture") << QPointF(100.25, 75.5) << 400.0;
        QTest::newRow("far from the picture") << QPointF(-500.5, 75.5) << 100.0;
    }
    void clippedCircleIsTheVisiblePartOfTheWholeOne() {
        QFETCH(QPointF, centre);
        QFETCH(double, radius);
        const QPoint shift(1024, 1024);
        QImage whole = blank(2048, 2048);
        QVERIFY(surface::drawThinCircle(whole, centre + shift, radius, ink));
        const QString problem = problemsOf(inked(whole), centre + shift, radius);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        QImage picture = blank(200, 150);
        QVERIFY(surface::drawThinCircle(picture, centre, radius, ink));
        QCOMPARE(picture, whole.copy(QRect(shift, picture.size())));
    }

    void unusableRadiiAreLeftToThePainter() {
        QImage image = blank(50, 50);
        for (double r : {0.0, 0.5, -3.0, std::nan(""), 1e9})
            QVERIFY(!surface::drawThinCircle(image, QPointF(25, 25), r, ink));
        QVERIFY(!surface::drawThinCircle(image, QPointF(std::nan(""), 25), 10, ink));
        QVERIFY(inked(image).empty());
    }

    // The window strokes its one-pixel circles with the rasteriser, and everything else as
    // before: a pen of width 1 is two raster pixels at a ratio of 2, and is stroked wider.
    void windowUsesTheRasteriserForOneRasterPixelPensOnly_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("drawWidth");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("thin");
        QTest::newRow("ratio 1, width 1") << qreal(1) << 1 << 0 << true;
        QTest::newRow("ratio 1, width 2") << qreal(1) << 2 << 0 << false;
        QTest::newRow("ratio 1, dotted") << qreal(1) << 1 << 2 << false;
        QTest::newRow("ratio 1.5, width 1") << qreal(1.5) << 1 << 0 << false;
        QTest::newRow("ratio 2, width 1") << qreal(2) << 1 << 0 << false;
    }
    void windowUsesTheRasteriserForOneRasterPixelPensOnly() {
        QFETCH(qreal, dpr);
        QFETCH(int, drawWidth);
        QFETCH(int, style);
        QFETCH(bool, thin);
        surface::Surface s(QSize(200, 100), dpr, 96, paper);
        s.Scale(-100, 50, 100, -50);
        s.FillStyle = surface::FillMode::Transparent;
        s.DrawWidth = drawWidth;
        s.DrawStyle = surface::PenStyle(style);
        s.Circle(10.3, -4.6, 30.7, QColor(ink));

        QImage expected = blank(s.image().width(), s.image().height());
        surface::drawThinCircle(expected, s.toPaint(10.3, -4.6) * dpr, 30.7 * dpr, ink);
        QImage drawn = s.image().copy();
        drawn.setDevicePixelRatio(1);
        QCOMPARE(drawn == expected, thin);
    }
};

QTEST_MAIN(ThinCircleTest)
#include "test_thin_circle.moc"
