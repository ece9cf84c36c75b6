// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/changed_tiles.h"
#include "surface/surface.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>

using surface::Surface;

namespace {

const QColor paper(255, 255, 255);

// A 200 × 100 picture whose frame has y upwards and 1 unit per pixel, origin at the centre.
std::unique_ptr<Surface> upwardFrame(qreal dpr = 1) {
    auto s = std::make_unique<Surface>(QSize(200, 100), dpr, 96, paper);
    s->Scale(-100, 50, 100, -50);
    return s;
}

QColor pixel(const Surface& s, double x, double y) {
    const QPointF p = s.toPaint(x, y) * s.image().devicePixelRatio();
    return s.image().pixelColor(int(p.x()), int(p.y()));
}

// Whether the colour appears within a pixel of where the scene point falls.
bool near(const Surface& s, double x, double y, QColor colour) {
    const QPointF p = s.toPaint(x, y) * s.image().devicePixelRatio();
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (s.image().pixelColor(int(p.x()) + dx, int(p.y()) + dy) == colour)
                return true;
    return false;
}

int countPixels(const QImage& image, QColor colour) {
    const QRgb wanted = colour.rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        count += int(std::count(row, row + image.width(), wanted));
    }
    return count;
}

// One drawing of each kind the program makes, at random places, sizes, pens and colours;
// some reach past the picture's edges.
using Drawing = std::function<void(Surface&)>;

std::vector<Drawing> randomDrawings(std::mt19937& random, int count) {
    std::uniform_real_distribution<double> x(-130, 130), y(-70, 70), size(0.2, 90);
    std::uniform_int_distribution<int> kind(0, 8), width(1, 4), style(0, 2), shade(0, 200);
    std::vector<Drawing> drawings;
    for (int i = 0; i < count; ++i) {
        const double x1 = x(random), y1 = y(random), x2 = x(random), y2 = y(random);
        const double r = size(random);
        const int w = width(random);
        const auto pen = surface::PenStyle(style(random));
        const QColor ink(shade(random), shade(random), shade(random));
        const int k = kind(random);
        drawings.push_back([=](Surface& s) {
            s.DrawWidth = w;
            s.DrawStyle = pen;
            s.FillStyle = k == 2 ? surface::FillMode::Solid : surface::FillMode::Transparent;
            s.FillColor = ink;
            s.ForeColor = ink;
            switch (k) {
            case 0:
                return s.Line(x1, y1, x2, y2, ink);
            case 1:
            case 2:
                return s.Circle(x1, y1, r, ink);
            case 3:
                return s.Arc(x1, y1, r, x2 / 20, y2 / 20, ink);
            case 4:
                return s.PSet(x1, y1, ink);
            case 5:
                s.CurrentX = x1;
                s.CurrentY = y1;
                s.FontSize = 6 + r / 10;
                return s.Print(QStringLiteral("ψ= Wj %1").arg(r));
            case 6: {
                const QPointF at = s.toPaint(x1, y1) * s.image().devicePixelRatio();
                return s.FloodFill(int(at.x()), int(at.y()), ink);
            }
            case 7:
                return s.FillPolygon(QPolygonF({{x1, y1}, {x2, y2}, {x1, y2}}), ink);
            default: // a wavefront's circle
                s.DrawWidth = 1;
                s.DrawStyle = surface::PenStyle::Solid;
                s.FillStyle = surface::FillMode::Transparent;
                return s.Circle(x1, y1, r * 2, ink);
            }
        });
    }
    return drawings;
}

// Pixels that differ between two pictures of one size and lie outside an area given in
// the painter's units.
int changedOutside(const QImage& before, const QImage& after, const QRegion& area) {
    const qreal dpr = after.devicePixelRatio();
    QRegion pixels;
    for (const QRect& r : area)
        pixels += QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr).toAlignedRect();
    int count = 0;
    for (int py = 0; py < after.height(); ++py) {
        const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(py));
        const auto* is = reinterpret_cast<const QRgb*>(after.constScanLine(py));
        for (int px = 0; px < after.width(); ++px)
            count += was[px] != is[px] && !pixels.contains(QPoint(px, py));
    }
    return count;
}

// The same frame, as many pixels to a unit across as down, on a picture of many tiles: what is
// tracked tile by tile is tested.
std::unique_ptr<Surface> largeUpwardFrame(qreal dpr) {
    auto s = std::make_unique<Surface>(QSize(600, 300), dpr, 96, paper);
    s->Scale(-100, 50, 100, -50);
    return s;
}

} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT
private slots:
    void frameReadBackAndDefaultTwips() {
        Surface s(QSize(200, 100), 1, 96, paper);
        QCOMPARE(s.ScaleWidth(), 3000.0f); // 200 px at 96 dpi in twips
        QCOMPARE(s.ScaleHeight(), 1500.0f);
        s.Scale(-100, 50, 100, -50);
        QCOMPARE(s.ScaleLeft(), -100.0f);
        QCOMPARE(s.ScaleTop(), 50.0f);
        QCOMPARE(s.ScaleWidth(), 200.0f);
        QCOMPARE(s.ScaleHeight(), -100.0f);
    }

    void upwardFrameFlipsY() {
        auto s = upwardFrame();
        QCOMPARE(s->toPaint(0, 0), QPointF(100, 50));
        QVERIFY(s->toPaint(0, 10).y() < 50);
        QCOMPARE(s->fromPaint(QPointF(150, 25)), QPointF(50, 25));
    }

    void scaleXAndYKeepSignAndCountOwnPixels() {
        auto s = upwardFrame(2);
        QCOMPARE(s->ScaleX(-100), -200.0); // 200 units span 400 image pixels
        QCOMPARE(s->ScaleY(50), -100.0);
    }

    void lineEndsAtCurrentPoint() {
        auto s = upwardFrame();
        s->Line(-50, 0, 10, 20, Qt::red);
        QCOMPARE(s->CurrentX, 10.0);
        QCOMPARE(s->CurrentY, 20.0);
        s->LineTo(40, -20, Qt::blue);
        QCOMPARE(pixel(*s, 25, 0), QColor(Qt::blue));
        QCOMPARE(s->CurrentX, 40.0);
    }

    void circleIsRoundAndFilledByFillStyle() {
        auto s = upwardFrame();
        s->FillStyle = surface::FillMode::Solid;
        s->FillColor = QColor(0, 200, 0);
        s->Circle(0, 0, 20, Qt::black);
        QCOMPARE(pixel(*s, 0, 0), QColor(0, 200, 0));
        QVERIFY(near(*s, 20, 0, Qt::black));
        QVERIFY(near(*s, 0, 20, Qt::black));
        QCOMPARE(pixel(*s, 0, 23), paper);
        s->Cls();
        s->FillStyle = surface::FillMode::Transparent;
        s->Circle(0, 0, 20, Qt::black);
        QCOMPARE(pixel(*s, 0, 0), paper);
    }

    void arcRunsFromStartTowardsPositiveY() {
        auto s = upwardFrame();
        s->Arc(0, 0, 40, 0, std::numbers::pi / 2, Qt::black);
        QVERIFY(near(*s, 28.28, 28.28, Qt::black)); // upper right on the window
        QVERIFY(!near(*s, -28.28, -28.28, Qt::black));
        s->Cls();
        // From 350° to 10° the arc passes through 0.
        s->Arc(0, 0, 40, 2 * std::numbers::pi - 0.17, 0.17, Qt::black);
        QVERIFY(near(*s, 40, 0, Qt::black));
        QVERIFY(!near(*s, -40, 0, Qt::black));
    }

    void arcOnATurnedFrameIsTurned() {
        Surface s(QSize(200, 100), 1, 96, paper);
        s.Scale(100, -50, -100, 50); // x to the left, y downwards, as on the printed page
        s.Arc(0, 0, 40, 0, std::numbers::pi / 2, Qt::black);
        QVERIFY(near(s, 28.28, 28.28, Qt::black));
        QCOMPARE(s.toPaint(28.28, 28.28).x() < 100, true); // which lies lower left on the page
        QCOMPARE(s.toPaint(28.28, 28.28).y() > 50, true);
        QVERIFY(!near(s, -28.28, -28.28, Qt::black));
    }

    void dotIsDrawWidthPixelsAcross_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("ratio 1") << qreal(1);
        QTest::newRow("ratio 1.5") << qreal(1.5);
        QTest::newRow("ratio 2") << qreal(2);
    }
    void dotIsDrawWidthPixelsAcross() {
        QFETCH(qreal, dpr);
        auto s = upwardFrame(dpr);
        s->DrawWidth = 6;
        s->PSet(0, 0, Qt::red);
        const int across = countPixels(s->image(), Qt::red);
        const double expected = std::numbers::pi * 9 * dpr * dpr;
        QVERIFY2(across > expected * 0.6 && across < expected * 1.5,
                 qPrintable(QString::number(across)));
        s->Cls();
        s->DrawWidth = 1;
        s->PSet(0, 0, Qt::red);
        const int side = qRound(dpr); // whole raster pixels
        QCOMPARE(countPixels(s->image(), Qt::red), side * side);
    }

    // A pen covers the same whole number of raster pixels wherever the line falls between
    // them, also when a logical pixel is one and a half raster pixels.
    void penIsWholePixelsWide_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("drawWidth");
        QTest::addColumn<int>("rows");
        QTest::newRow("ratio 1, width 1") << qreal(1) << 1 << 1;
        QTest::newRow("ratio 1.5, width 1") << qreal(1.5) << 1 << 2;
        QTest::newRow("ratio 1.5, width 2") << qreal(1.5) << 2 << 3;
        QTest::newRow("ratio 2, width 1") << qreal(2) << 1 << 2;
    }
    void penIsWholePixelsWide() {
        QFETCH(qreal, dpr);
        QFETCH(int, drawWidth);
        QFETCH(int, rows);
        for (double offset : {0.0, 0.2, 0.4, 0.5, 0.6, 0.8}) {
            auto s = upwardFrame(dpr);
            s->DrawWidth = drawWidth;
            s->Line(-80, offset, 80, offset, Qt::red);
            const QImage& image = s->image();
            const int column = image.width() / 2;
            int covered = 0;
            for (int y = 0; y < image.height(); ++y)
                covered += image.pixelColor(column, y) == Qt::red;
            QVERIFY2(covered == rows,
                     qPrintable(QStringLiteral("offset %1: %2 rows").arg(offset).arg(covered)));
        }
    }

    void floodFillStopsAtADiagonalOutline() {
        auto s = upwardFrame();
        s->Line(-90, 0, 90, 0, Qt::red); // a red line inside and outside
        // A diamond of one-pixel diagonal steps: an 8-connected fill would leak out.
        s->Line(0, 30, 30, 0, Qt::black);
        s->LineTo(0, -30, Qt::black);
        s->LineTo(-30, 0, Qt::black);
        s->LineTo(0, 30, Qt::black);
        s->FillColor = QColor(150, 150, 80);
        const QPointF seed = s->toPaint(0, 5);
        s->FloodFill(int(seed.x()), int(seed.y()), Qt::black);
        QCOMPARE(pixel(*s, 0, 5), QColor(150, 150, 80));
        QCOMPARE(pixel(*s, 10, 0), QColor(150, 150, 80)); // the red line inside is painted over
        QCOMPARE(pixel(*s, 0, 40), paper);
        QCOMPARE(pixel(*s, 60, 0), QColor(Qt::red));
        QCOMPARE(pixel(*s, 25, 20), paper);
    }

    void floodFillSeededOnBorderOrOutsideDoesNothing() {
        auto s = upwardFrame();
        s->Line(-100, 0, 100, 0, Qt::black);
        const QImage before = s->image().copy();
        const QPointF onLine = s->toPaint(0, 0);
        s->FloodFill(int(onLine.x()), int(onLine.y()), Qt::black);
        s->FloodFill(-5, 10, Qt::black);
        s->FloodFill(10, 5000, Qt::black);
        QCOMPARE(s->image(), before);
    }

    void printPutsTopLeftAtCurrentPoint() {
        auto s = upwardFrame();
        s->CurrentX = 0;
        s->CurrentY = 0;
        s->FontSize = 12;
        s->Print(QStringLiteral("H1"));
        int darkAbove = 0, darkBelow = 0, darkLeft = 0;
        const QImage& image = s->image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) > 128)
                    continue;
                darkAbove += y < 50;
                darkBelow += y >= 50;
                darkLeft += x < 100;
            }
        QCOMPARE(darkAbove, 0);
        QCOMPARE(darkLeft, 0);
        QVERIFY(darkBelow > 10);
        QVERIFY(s->CurrentY < 0); // the next line lies below
    }

    void clsClearsAndResetsCurrentPoint() {
        auto s = upwardFrame();
        s->Line(-100, 10, 100, 10, Qt::black);
        s->Cls();
        QCOMPARE(countPixels(s->image(), paper), 200 * 100);
        QCOMPARE(s->CurrentX, 0.0);
    }

    void changesStayInsideTheAreaToShowAndClearsLeaveBackground_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }

    // The window shows only the area a drawing reports, and a clear paints only what was
    // drawn since the last one: a pixel changed outside these would stay stale on the screen
    // or in the picture.
    void changesStayInsideTheAreaToShowAndClearsLeaveBackground() {
        QFETCH(qreal, dpr);
        std::mt19937 random(7);
        for (int round = 0; round < 12; ++round) {
            auto s = largeUpwardFrame(dpr);
            s->takeChangedArea();
            for (const Drawing& draw : randomDrawings(random, 25)) {
                const QImage before = s->image().copy();
                draw(*s);
                const int outside = changedOutside(before, s->image(), s->takeChangedArea());
                QVERIFY2(outside == 0, qPrintable(QStringLiteral("%1 pixels").arg(outside)));
            }
            const QImage before = s->image().copy();
            s->Cls();
            QCOMPARE(changedOutside(before, s->image(), s->takeChangedArea()), 0);
            QCOMPARE(countPixels(s->image(), paper), s->image().width() * s->image().height());
        }
    }

    // A segment marks the tiles within reach of it, however far beyond the picture its ends
    // lie, and nothing else; one that cannot be placed marks everything.
    void segmentsMarkTheirTiles_data() {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QString>("marked"); // one letter per tile, a row of tiles per line
        QTest::newRow("inside one tile") << QPointF(10, 10) << QPointF(20, 30) << "x...|....|....";
        QTest::newRow("far beyond both sides")
            << QPointF(-1e7, 100) << QPointF(1e7, 100) << "....|xxxx|....";
        QTest::newRow("steep, through the middle")
            << QPointF(150, -1e9) << QPointF(150, 1e9) << "..x.|..x.|..x.";
        QTest::newRow("outside") << QPointF(-500, -10) << QPointF(900, -300) << "....|....|....";
        QTest::newRow("not a number")
            << QPointF(std::nan(""), 0) << QPointF(10, 10) << "xxxx|xxxx|xxxx";
    }
    void segmentsMarkTheirTiles() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QString, marked);
        surface::ChangedTiles tiles(QSize(256, 192)); // 4 x 3 tiles
        const std::uint64_t moment = tiles.takeMoment();
        tiles.markSegment(from, to, 2);
        QString seen = QStringLiteral("....|....|....");
        for (const QRect& run : tiles.since(moment))
            for (int x = run.left(); x <= run.right(); x += 64)
                seen[run.top() / 64 * 5 + x / 64] = QLatin1Char('x');
        QCOMPARE(seen, marked);
    }

    // Any segment: every pixel within reach of it lies in a marked tile, and every marked tile
    // comes within the reach and a little more of it.
    void segmentsMarkTilesWithinReach() {
        std::mt19937 random(5);
        std::uniform_real_distribution<double> coordinate(-400, 700);
        const QSize size(300, 200);
        for (int k = 0; k < 300; ++k) {
            const QPointF a(coordinate(random), coordinate(random));
            const QPointF b(coordinate(random), coordinate(random));
            const double reach = k % 7;
            surface::ChangedTiles tiles(size);
            const std::uint64_t moment = tiles.takeMoment();
            tiles.markSegment(a, b, reach);
            QRegion marked;
            for (const QRect& run : tiles.since(moment))
                marked += run;
            auto distance = [&](QPointF p) {
                const QPointF d = b - a;
                const double t = std::clamp(QPointF::dotProduct(p - a, d) /
                                                std::max(1e-12, QPointF::dotProduct(d, d)),
                                            0.0, 1.0);
                const QPointF n = a + d * t - p;
                return std::hypot(n.x(), n.y());
            };
            for (int y = 0; y < size.height(); y += 3)
                for (int x = 0; x < size.width(); x += 3)
                    QVERIFY(distance(QPointF(x, y)) > reach || marked.contains(QPoint(x, y)));
            for (const QRect& run : tiles.since(moment))
                for (int left = run.left(); left <= run.right(); left += 64) {
                    double nearest = 1e9;
                    for (int y = run.top(); y <= run.bottom(); y += 2)
                        for (int x = left; x < left + 64 && x <= run.right(); x += 2)
                            nearest = std::min(nearest, distance(QPointF(x, y)));
                    QVERIFY(nearest <= reach + 26);
                }
        }
    }

    void restoreGivesTheSnapshotBackPixelForPixel_data() {
        changesStayInsideTheAreaToShowAndClearsLeaveBackground_data();
    }

    // Restoring the snapshot the picture last matched copies back only what was drawn since;
    // restoring another copies everything. Either way the picture is the snapshot's.
    void restoreGivesTheSnapshotBackPixelForPixel() {
        QFETCH(qreal, dpr);
        std::mt19937 random(11);
        auto s = largeUpwardFrame(dpr);
        for (const Drawing& draw : randomDrawings(random, 10))
            draw(*s);
        const surface::SurfaceSnapshot first = s->snapshot();
        const QImage firstPicture = s->image().copy();
        for (const Drawing& draw : randomDrawings(random, 10))
            draw(*s);
        const surface::SurfaceSnapshot second = s->snapshot();
        const QImage secondPicture = s->image().copy();
        for (int round = 0; round < 6; ++round) {
            const bool toFirst = round % 3 != 2;
            for (const Drawing& draw : randomDrawings(random, 8))
                draw(*s);
            s->restore(toFirst ? first : second);
            QCOMPARE(s->image(), toFirst ? firstPicture : secondPicture);
            // What a clear then leaves is background everywhere.
            if (round == 4) {
                s->Cls();
                QCOMPARE(countPixels(s->image(), paper), s->image().width() * s->image().height());
            }
        }
    }

    void recorderSeesEveryCall() {
        std::vector<surface::DrawCall> calls;
        Surface::setRecorder([&](const surface::DrawCall& c) { calls.push_back(c); });
        auto s = upwardFrame();
        s->DrawWidth = 2;
        s->Line(1, 2, 3, 4, Qt::red);
        s->Circle(5, 6, 7);
        Surface::setRecorder({});
        QCOMPARE(calls.size(), std::size_t(2));
        QCOMPARE(calls[0].kind, surface::DrawCall::Kind::Line);
        QCOMPARE(calls[0].drawWidth, 2);
        QCOMPARE(calls[1].radius, 7.0);
    }
};

QTEST_MAIN(SurfaceTest)
#include "test_surface.moc"
