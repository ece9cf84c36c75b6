// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/exit_angle.h"
#include "geometry/helpers.h"
#include "geometry/state.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"
#include "timestep/wavefronts.h"

#include <QTest>

#include <cmath>

using surface::DrawCall;

namespace {

// The circles drawn after the scene's redraw, which ends with the lens fill.
std::vector<DrawCall> circles() {
    std::vector<DrawCall> found;
    for (const DrawCall& call : harness::drawn()) {
        if (call.kind == DrawCall::Kind::Fill)
            found.clear();
        if (call.kind == DrawCall::Kind::Circle)
            found.push_back(call);
    }
    return found;
}

// The circles centred at (x, y) as the wavefront procedure hands them over.
std::vector<DrawCall> circlesAt(double x, double y) {
    std::vector<DrawCall> found;
    for (const DrawCall& call : circles())
        if (call.x1 == float(x) && call.y1 == float(y))
            found.push_back(call);
    return found;
}

struct Ray {
    double exitX, exitY;
    float entryX, entryY, time;
    geometry::RayOut out;
};

void fillBeam(const std::vector<Ray>& rays) {
    using namespace geometry;
    const std::size_t n = rays.size();
    beamExitX.assign(n, 0);
    beamExitY.assign(n, 0);
    beamEntryX.assign(n, 0);
    beamEntryY.assign(n, 0);
    beamTime.assign(n, 0);
    beamEndX.assign(n, 0);
    beamEndY.assign(n, 0);
    beamOut.assign(n, {});
    for (std::size_t i = 0; i < n; ++i) {
        beamExitX[i] = rays[i].exitX;
        beamExitY[i] = rays[i].exitY;
        beamEntryX[i] = rays[i].entryX;
        beamEntryY[i] = rays[i].entryY;
        beamTime[i] = rays[i].time;
        beamOut[i] = rays[i].out;
    }
}

// An exit point on the axis whose ray from (0, 1) meets the normal exactly at the
// critical angle.
double criticalExitX() {
    double x = std::sqrt(3.0);
    for (int k = 0; k < 64; ++k) {
        const double below = std::nextafter(x, 0.0);
        const double angle = geometry::signedAngle(x, -1, x + geometry::curveCentreX, 0);
        if (angle == geometry::criticalAngle(geometry::Lens::standard()))
            return x;
        x = angle > geometry::criticalAngle(geometry::Lens::standard()) ? std::nextafter(x, 10.0)
                                                                        : below;
    }
    return 0;
}

} // namespace

class WavefrontsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { harness::startProgram(); }

    void theBeamsWaveletsAndSecondCircles_data() {
        QTest::addColumn<int>("t");
        QTest::newRow("earliest") << 5;
        QTest::newRow("later") << 60;
    }
    void theBeamsWaveletsAndSecondCircles() {
        QFETCH(int, t);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-30, 60});
        harness::setScroll(*ui.xronosmetato, t + 1);
        harness::clearRecord();
        harness::setScroll(*ui.xronosmetato, t);
        const int n = ui.arithmosaktinon->Value();
        float maxTime = 0;
        int slowest = 0;
        for (int i = 0; i <= n; ++i)
            if (geometry::beamTime[i] > maxTime) {
                maxTime = geometry::beamTime[i];
                slowest = i;
            }
        QVERIFY(
            geometry::leavesLens(geometry::Lens::standard(), geometry::sharedBeam().rays[slowest]));

        const float grown = float(2.0 * (t - 0.7));
        int leaving = 0;
        for (int i = 0; i <= n; ++i) {
            const std::vector<DrawCall> wavelets =
                circlesAt(geometry::beamExitX[i], geometry::beamExitY[i]);
            if (!geometry::leavesLens(geometry::Lens::standard(), geometry::sharedBeam().rays[i])) {
                QVERIFY(wavelets.empty());
                continue;
            }
            ++leaving;
            QCOMPARE(wavelets.size(), std::size_t(1));
            const double radius =
                geometry::speedAir * (maxTime + 1.5 - double(geometry::beamTime[i]));
            QCOMPARE(wavelets.front().radius, double(float(radius)));
            QVERIFY(!wavelets.front().filled);
            if (i == slowest)
                QCOMPARE(wavelets.front().radius, 1.5 * geometry::speedAir);
            // The second circle sits where the ray has got to at the reference time.
            const double alpha = std::atan((geometry::beamOut[i].y - geometry::beamExitY[i]) /
                                           (geometry::beamOut[i].x - geometry::beamExitX[i]));
            const std::vector<DrawCall> second =
                circlesAt(geometry::beamExitX[i] + radius * std::cos(alpha),
                          geometry::beamExitY[i] + radius * std::sin(alpha));
            QCOMPARE(second.size(), std::size_t(1));
            QCOMPARE(second.front().radius, double(grown));
        }
        QVERIFY(leaving < n + 1);
        QCOMPARE(circles().size(), std::size_t(2 * leaving));
    }

    void raysThatWereNotContinued() {
        Kovril& w = scene::form();
        const double critical = criticalExitX();
        QVERIFY(critical != 0);
        fillBeam({
            {15, 0, -15, 0, 100, {40, 0, 2}},       // straight along the axis
            {critical, 0, 0, 1, 110, {}},           // at the critical angle, not drawn
            {15, 0, 0, 20, 120, {}},                // totally reflected
            {10, -40, -10, -40, 105, {10, -30, 2}}, // continued straight upwards
            {10, 40, -10, 40, 105, {10, 30, 2}},    // continued straight downwards
        });
        QCOMPARE(std::abs(geometry::exitAngle(geometry::Lens::standard(),
                                              geometry::sharedBeam().rays[1])),
                 geometry::criticalAngle(geometry::Lens::standard()));
        QVERIFY(!geometry::leavesLens(geometry::Lens::standard(), geometry::sharedBeam().rays[2]));
        harness::clearRecord();
        timestep::drawWavefronts(w.surface(), geometry::Lens::standard(), geometry::sharedBeam(),
                                 120 + 30);

        const double grown = geometry::speedAir * (30 - 0.7);
        const std::vector<DrawCall> axial = circlesAt(15, 0);
        QCOMPARE(axial.size(), std::size_t(1));
        QCOMPARE(axial.front().radius, double(float(2 * 21.5)));
        const std::vector<DrawCall> ahead = circlesAt(15 + 43, 0);
        QCOMPARE(ahead.size(), std::size_t(1));
        QCOMPARE(ahead.front().radius, double(float(grown)));

        // The ray at the critical angle keeps its wavelet but gets no second circle.
        const std::vector<DrawCall> atCritical = circlesAt(critical, 0);
        QCOMPARE(atCritical.size(), std::size_t(1));
        QCOMPARE(atCritical.front().radius, double(float(2 * 11.5)));

        QCOMPARE(circlesAt(10, -40 + 2 * 16.5).size(), std::size_t(1));
        QCOMPARE(circlesAt(10, 40 - 2 * 16.5).size(), std::size_t(1));
        // Wavelets for rays 0, 1, 3, 4; second circles for rays 0, 3, 4.
        QCOMPARE(circles().size(), std::size_t(7));
        QVERIFY(w.surface().FillStyle == surface::FillMode::Transparent);
    }
};

QTEST_MAIN(WavefrontsTest)
#include "test_wavefronts.moc"
