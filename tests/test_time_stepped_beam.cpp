// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/cardinal_points.h"
#include "geometry/exit_angle.h"
#include "geometry/search.h"
#include "geometry/state.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"
#include "timestep/pragmatik.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using surface::DrawCall;

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor green(0, 255, 0);
const QColor cyan(0, 255, 255);
const QColor background(236, 236, 236);

// A blue dot near the lower left corner, where no beam reaches, standing for an earlier
// picture; the record starts after it.
QPointF markTheCorner() {
    surface::Surface& s = scene::form().surface();
    const QPointF mark(-0.9 * geometry::halfWidth, -0.9 * geometry::halfHeight);
    s.DrawWidth = 5;
    s.PSet(mark.x(), mark.y(), blue);
    s.DrawWidth = 1;
    harness::clearRecord();
    return mark;
}

double halfAngle() {
    return std::atan(double(geometry::lensHalfHeight) / geometry::curveCentreX);
}

std::size_t count(DrawCall::Kind kind, QColor color, int width) {
    std::size_t n = 0;
    for (const DrawCall& call : harness::drawn())
        n += call.kind == kind && call.color == color && call.drawWidth == width;
    return n;
}

bool finite(const DrawCall& c) {
    return std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) &&
           std::isfinite(c.y2) && std::isfinite(c.radius);
}

bool insideTheBox(double x, double y) {
    return std::abs(x) <= 10.0 * geometry::halfWidth && std::abs(y) <= 10.0 * geometry::halfHeight;
}

void runBeam(int n) {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    if (ui.arithmosaktinon->Value() != n)
        harness::setScroll(*ui.arithmosaktinon, n);
    harness::clearRecord();
    ui.Command5->click();
}

} // namespace

class TimeSteppedBeamTest : public QObject {
    Q_OBJECT
private slots:
    void init() { harness::startProgram(); }

    void threeRaysDivideTheRearSurfaceEvenly() {
        runBeam(2);
        const double expected[] = {-halfAngle() / 2, 0, halfAngle() / 2};
        for (int i = 0; i <= 2; ++i) {
            const double angle =
                std::atan2(geometry::beamExitY[i], geometry::beamExitX[i] + geometry::curveCentreX);
            QVERIFY(std::abs(angle - expected[i]) < 1e-12);
            QCOMPARE(
                std::hypot(geometry::beamExitY[i], geometry::beamExitX[i] + geometry::curveCentreX),
                double(geometry::curveRadius));
        }
    }

    void everyArrayIsRecreatedForTheBeam_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("2") << 2;
        QTest::newRow("4") << 4;
        QTest::newRow("10") << 10;
        QTest::newRow("100") << 100;
    }
    void everyArrayIsRecreatedForTheBeam() {
        QFETCH(int, n);
        const std::size_t size = std::size_t(n) + 1;
        geometry::beamEndX.assign(200, 7);
        geometry::beamOut.assign(200, {1, 2, 3});
        runBeam(n);
        for (std::size_t s :
             {geometry::beamExitX.size(), geometry::beamExitY.size(), geometry::beamEntryX.size(),
              geometry::beamEntryY.size(), geometry::beamTime.size(), geometry::beamEndX.size(),
              geometry::beamEndY.size(), geometry::beamOut.size()})
            QCOMPARE(s, size);
        // With an even n the middle ray leaves at the rear vertex.
        QCOMPARE(geometry::beamExitX[n / 2], 15.0);
        QVERIFY(std::abs(geometry::beamExitY[n / 2]) < 1e-12);
        // The beam comes first: source to entry to exit for every ray, in the foreground colour.
        const Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const std::vector<DrawCall>& calls = harness::drawn();
        QVERIFY(calls.size() > 2 * size);
        for (std::size_t i = 0; i < size; ++i) {
            const DrawCall& in = calls[2 * i];
            const DrawCall& through = calls[2 * i + 1];
            QCOMPARE(in.x1, double(ui.kyklos->centreX()));
            QCOMPARE(in.y1, double(ui.kyklos->centreY()));
            QCOMPARE(in.x2, double(geometry::beamEntryX[i]));
            QCOMPARE(through.x1, double(geometry::beamEntryX[i]));
            QCOMPARE(through.y2, geometry::beamExitY[i]);
            QCOMPARE(in.color, QColor(Qt::black));
            QCOMPARE(through.color, QColor(Qt::black));
        }
    }

    void onlyRaysThatLeaveAreContinued() {
        Kovril& w = scene::form();
        w.placeSource({-30, 60});
        runBeam(10);
        int leaving = 0;
        for (int i = 0; i <= 10; ++i) {
            if (!geometry::leavesLens(geometry::Lens::standard(), geometry::sharedBeam().rays[i])) {
                QCOMPARE(geometry::beamEndX[i], 0.0f);
                QCOMPARE(geometry::beamEndY[i], 0.0f);
                QCOMPARE(geometry::beamOut[i].x, 0.0f);
                QCOMPARE(geometry::beamOut[i].time, 0.0f);
                continue;
            }
            ++leaving;
            const float x = geometry::beamEndX[i];
            const float y = geometry::beamEndY[i];
            QVERIFY(x == geometry::halfWidth || std::abs(y) == geometry::halfHeight);
            QVERIFY(geometry::beamOut[i].time >= 2);
            bool dot = false;
            for (const DrawCall& call : harness::drawn())
                dot |= call.kind == DrawCall::Kind::Dot && call.x1 == x && call.y1 == y &&
                       call.drawWidth == 1 && call.color == Qt::black;
            QVERIFY(dot);
        }
        QVERIFY(leaving > 0 && leaving < 11);
        QCOMPARE(count(DrawCall::Kind::Line, red, 2), std::size_t(leaving));
        QCOMPARE(count(DrawCall::Kind::Line, QColor(0, 55, 0), 1), std::size_t(leaving));
        QVERIFY(w.surface().FillStyle == surface::FillMode::Solid);
        QCOMPARE(w.surface().DrawWidth, 1);
        QCOMPARE(w.surface().FontSize, 10.0);
    }

    void theAxialRayRunsAlongTheAxis() {
        Kovril& w = scene::form();
        w.placeSource({-200, 0});
        runBeam(2);
        QCOMPARE(geometry::beamEndX[1], geometry::halfWidth);
        QVERIFY(std::abs(geometry::beamEndY[1]) < 1e-3);
        bool axial = false;
        for (const DrawCall& call : harness::drawn())
            axial |= call.kind == DrawCall::Kind::Line && call.color == red &&
                     call.drawWidth == 2 && call.x1 == 15 && call.y1 == 0;
        QVERIFY(axial);
    }

    void command5DrawsOverThePicture() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const QPointF mark = markTheCorner();
        ui.Command5->click();
        QCOMPARE(harness::colourAt(mark.x(), mark.y()), blue);
        for (const DrawCall& call : harness::drawn()) {
            QVERIFY(call.kind != DrawCall::Kind::Clear);
            QVERIFY(call.kind != DrawCall::Kind::Fill);
        }
        QCOMPARE(ui.Label6->text(), QStringLiteral("Χρονος=5"));
    }

    void theTimeBarStartsFromAClearedScene() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const QPointF mark = markTheCorner();
        harness::setScroll(*ui.xronosmetato, 37);
        QCOMPARE(ui.Label6->text(), QStringLiteral("Χρονος=37"));
        QCOMPARE(harness::colourAt(mark.x(), mark.y()), background);
        const std::vector<DrawCall>& calls = harness::drawn();
        QVERIFY(!calls.empty());
        QCOMPARE(calls.front().kind, DrawCall::Kind::Clear);
        // The scene is redrawn (its fill ends the redraw) before the beam starts.
        const auto fill = std::find_if(calls.begin(), calls.end(), [](const DrawCall& c) {
            return c.kind == DrawCall::Kind::Fill;
        });
        QVERIFY(fill != calls.end());
        const auto firstRed = std::find_if(calls.begin(), calls.end(), [](const DrawCall& c) {
            return c.color == red && c.drawWidth == 2;
        });
        QVERIFY(fill < firstRed);
        int leaving = 0;
        for (int i = 0; i <= ui.arithmosaktinon->Value(); ++i)
            leaving +=
                geometry::leavesLens(geometry::Lens::standard(), geometry::sharedBeam().rays[i]);
        QCOMPARE(count(DrawCall::Kind::Line, red, 2), std::size_t(leaving));
    }

    // Each ray is one step further round the rear surface than the one before, the steps
    // added one at a time; the case's ray 1 finds another 32-bit entry point when the
    // angle is counted as a multiple of the step instead.
    void raysStepRoundTheRearSurface_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("37 rays, an entry point that moves") << 37 << 27.8869591f << -325.358795f;
        QTest::newRow("100 rays") << 100 << -200.0f << 50.0f;
        QTest::newRow("23 rays") << 23 << -150.0f << -40.0f;
    }
    void raysStepRoundTheRearSurface() {
        QFETCH(int, n);
        QFETCH(float, x);
        QFETCH(float, y);
        scene::form().placeSource({x, y});
        const geometry::Source source = scene::form().source();
        QVERIFY(source.x == x && source.y == y);
        runBeam(n);
        const double step = 2 * halfAngle() / (n + 2);
        for (int i = 0; i <= n; ++i) {
            const double a = -halfAngle() + step + i * step;
            const double exitX = geometry::curveRadius * std::cos(a) - geometry::curveCentreX;
            const double exitY = geometry::curveRadius * std::sin(a);
            // Exactly: QCOMPARE would forgive the last bit.
            QVERIFY2(geometry::beamExitX[i] == exitX && geometry::beamExitY[i] == exitY,
                     qPrintable(QString::number(i)));
            const geometry::LensEntry e =
                geometry::findLensEntry(geometry::Lens::standard(), x, y, exitX, exitY);
            QVERIFY2(geometry::beamEntryX[i] == e.x && geometry::beamEntryY[i] == e.y,
                     qPrintable(QString::number(i)));
        }
    }

    // Sources that leave parts of the constructions undefined: everything else is drawn and
    // nothing drawn is non-finite or outside the box.
    void guardedSourcePositions_data() {
        const geometry::CardinalPoints p = geometry::cardinalPoints(geometry::Lens::standard());
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("thinImage");
        QTest::addColumn<bool>("thickImage");
        QTest::newRow("in the lens plane") << 0.0 << 50.0 << false << true;
        QTest::newRow("at the thin focal point") << -90.0 << 50.0 << false << true;
        QTest::newRow("on the axis") << -200.0 << 0.0 << true << false;
        QTest::newRow("at the lens centre") << 0.0 << 0.0 << false << false;
        QTest::newRow("on the axis at the thin focal point") << -90.0 << 0.0 << false << false;
        QTest::newRow("at F1") << p.f1 << 50.0 << true << false;
        QTest::newRow("on the axis at F1") << p.f1 << 0.0 << true << false;
    }
    void guardedSourcePositions() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, thinImage);
        QFETCH(bool, thickImage);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({x, y});
        for (int n : {2, 11}) {
            runBeam(n);
            harness::setScroll(*ui.xronosmetato, n == 2 ? 60 : 5);
            for (const DrawCall& call : harness::drawn()) {
                QVERIFY(finite(call));
                if (call.kind == DrawCall::Kind::Line) {
                    QVERIFY(insideTheBox(call.x1, call.y1));
                    QVERIFY(insideTheBox(call.x2, call.y2));
                }
                if (call.kind == DrawCall::Kind::Dot || call.kind == DrawCall::Kind::Circle)
                    QVERIFY(insideTheBox(call.x1, call.y1));
                if (call.kind == DrawCall::Kind::Circle)
                    QVERIFY(call.radius <= 10.0 * geometry::halfWidth);
            }
            // What stays defined is still drawn.
            QCOMPARE(count(DrawCall::Kind::Dot, blue, 15), std::size_t(thinImage ? 2 : 0));
            QCOMPARE(count(DrawCall::Kind::Line, green, 2), std::size_t(8));
            QVERIFY(count(DrawCall::Kind::Line, cyan, 2) >= 8);
            QCOMPARE(count(DrawCall::Kind::Dot, cyan, 15), std::size_t(thickImage ? 2 : 0));
            std::size_t labels = 0;
            for (const DrawCall& call : harness::drawn())
                labels += call.kind == DrawCall::Kind::Text;
            QCOMPARE(labels, std::size_t(12));
        }
    }
};

QTEST_MAIN(TimeSteppedBeamTest)
#include "test_time_stepped_beam.moc"
