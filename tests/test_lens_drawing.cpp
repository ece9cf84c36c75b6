// SPDX-License-Identifier: GPL-3.0-or-later
// The lens as drawn on the window for lenses of every shape: flat faces as straight
// segments, and the fill inside the lens whether it is thin at the centre or at the edge.
#include "geometry/lens.h"
#include "optics/lens_drawing.h"
#include "scene/kovril.h"
#include "support/harness.h"
#include "surface/picture_inks.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(geometry::LensGiven)

using surface::DrawCall;

namespace {

// The faces as circles through the vertices at ∓thickness/2; radii positive when bulging.
double faceX(double radius, double vertex, double outwards, double v) {
    if (radius == 0)
        return vertex;
    const double centre = vertex - outwards * radius;
    return centre + outwards * (radius > 0 ? 1 : -1) * std::sqrt(radius * radius - v * v);
}

} // namespace

class LensDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { harness::startProgram(); }

    void lensesOfEveryShape_data() {
        QTest::addColumn<geometry::LensGiven>("given");
        QTest::addColumn<int>("flatSegments");
        QTest::newRow("biconvex, thin at the edge")
            << geometry::LensGiven{150, 150, 40, 0, 1, 2} << 0;
        QTest::newRow("plano-convex") << geometry::LensGiven{0, 180, 30, 60, 1, 2} << 1;
        QTest::newRow("biconcave, thin at the centre")
            << geometry::LensGiven{-100, -100, 1, 70, 1, 2} << 0;
        QTest::newRow("plano-concave") << geometry::LensGiven{-120, 0, 6, 60, 1, 2} << 1;
        QTest::newRow("meniscus") << geometry::LensGiven{100, -200, 20, 50, 1, 2} << 0;
        QTest::newRow("slab") << geometry::LensGiven{0, 0, 20, 50, 1, 2} << 2;
    }

    void lensesOfEveryShape() {
        QFETCH(geometry::LensGiven, given);
        QFETCH(int, flatSegments);
        const geometry::Lens lens(given);
        QCOMPARE(geometry::whyNoLens(given), geometry::LensFault::None);
        surface::Surface& s = scene::form().surface();
        s.Cls();
        harness::clearRecord();
        optics::LensDrawing drawing;
        drawing.axisHalfLength = 300;
        drawing.fillSeed = harness::imagePixel(0, 0);
        drawing.marker = lens.rearSurfacePoint(0);
        optics::drawLens(s, lens, drawing);

        const double front = -given.thickness / 2;
        const double rear = given.thickness / 2;
        const double rim = lens.rimHeight();
        int segments = 0;
        for (const DrawCall& line : harness::drawnOfKind(DrawCall::Kind::Line)) {
            const bool vertical = line.x1 == line.x2 && std::abs(line.y1 + line.y2) < 1e-9 &&
                                  std::abs(std::abs(line.y1) - rim) < 1e-4;
            if (vertical && (std::abs(line.x1 - front) < 1e-9 || std::abs(line.x1 - rear) < 1e-9))
                ++segments;
        }
        QCOMPARE(segments, flatSegments);

        // Inside, wherever the lens is a few units thick, the fill; outside, none.
        const QColor fill = surface::inks::lensFill.color;
        int filled = 0;
        for (double k : {-0.8, -0.5, 0.0, 0.5, 0.8}) {
            const double v = k * rim;
            const double x1 = faceX(given.frontRadius, front, -1, v);
            const double x2 = faceX(given.rearRadius, rear, 1, v);
            if (x2 - x1 < 6)
                continue;
            QCOMPARE(harness::colourAt((x1 + x2) / 2, v), fill);
            ++filled;
        }
        QVERIFY(filled >= 2);
        QVERIFY(harness::colourAt(front - 20, 0) != fill);
        QVERIFY(harness::colourAt(0, rim + 20) != fill);
    }
};

QTEST_MAIN(LensDrawingTest)
#include "test_lens_drawing.moc"
