// SPDX-License-Identifier: GPL-3.0-or-later
#include "continuation/beam_ray.h"
#include "geometry/beam_ray_construction.h"
#include "geometry/crossing.h"
#include "geometry/helpers.h"
#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"
#include "surface/format.h"

#include <QTest>

#include <cmath>

using surface::DrawCall;
using surface::Format;

namespace {

// The window's continuation of one beam ray, with its texts shown as the beam shows them.
bool continueOnWindow(double px, double py) {
    Kovril& w = scene::form();
    const continuation::ContinuedBeamRay ray =
        continuation::continueBeamRay(w.surface(), geometry::Lens::standard(), w.source(), px, py,
                                      continuation::BeamRayTarget::Window, geometry::Layers{});
    w.applyLabels(ray.labels);
    return ray.drawn;
}

const QColor red(255, 0, 0);

QString degrees(double angle) {
    return Format(std::abs(angle) * 180 / geometry::pi, "0.00");
}

bool onTheBorder(double x, double y) {
    return std::abs(std::abs(x) - geometry::halfWidth) < 1e-3 ||
           std::abs(std::abs(y) - geometry::halfHeight) < 1e-3;
}

} // namespace

class BeamContinuationTest : public QObject {
    Q_OBJECT
private slots:
    void init() { harness::startProgram(); }

    void anOrdinaryRayIsDrawnToTheBorder_data() {
        QTest::addColumn<double>("height");
        QTest::newRow("low") << -60.0;
        QTest::newRow("below the axis") << -30.0;
        QTest::newRow("vertex") << 0.0;
        QTest::newRow("high") << 60.0;
    }
    void anOrdinaryRayIsDrawnToTheBorder() {
        QFETCH(double, height);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const geometry::Point p = geometry::Lens::standard().rearSurfacePoint(height);
        const geometry::BeamRayConstruction ray = geometry::constructBeamRay(
            geometry::Lens::standard(), scene::form().source(), p.x, p.y, float(1e-12));
        QVERIFY(!ray.totalReflection);
        QVERIFY(ray.leaves);
        // The 32-bit index never equals 2 exactly here: all five passes run.
        QCOMPARE(ray.passes, 5);
        QVERIFY(std::abs(ray.sineRatio - 2) < 0.01);
        QCOMPARE(ray.qx, p.x + 250);

        harness::clearRecord();
        QVERIFY(continueOnWindow(p.x, p.y));
        QCOMPARE(harness::drawn().size(), std::size_t(1));
        const DrawCall& line = harness::drawn().front();
        QCOMPARE(line.kind, DrawCall::Kind::Line);
        QCOMPARE(line.color, red);
        QCOMPARE(line.drawWidth, 2);
        QCOMPARE(w.surface().DrawWidth, 2);
        QCOMPARE(line.x1, p.x);
        QCOMPARE(line.y1, p.y);
        QCOMPARE(line.x2, double(geometry::rayEndX));
        QCOMPARE(line.y2, double(geometry::rayEndY));
        QVERIFY(onTheBorder(line.x2, line.y2));
        // The line runs from P towards Q.
        const double cross = (line.x2 - p.x) * (ray.qy - p.y) - (line.y2 - p.y) * (ray.qx - p.x);
        QVERIFY(std::abs(cross) < 1e-3 * geometry::pointDistance(p.x, p.y, line.x2, line.y2) * 250);

        QCOMPARE(geometry::rayOut.x, float(ray.mx));
        QCOMPARE(geometry::rayOut.y, ray.my);
        QCOMPARE(geometry::rayOut.time, ray.timeLeft);
        QCOMPARE(geometry::sineRatio, ray.sineRatio);
        QCOMPARE(ui.Label3->text(), QStringLiteral("προσπτωσης =") + degrees(ray.incidence) +
                                        QStringLiteral(" διάθλασης =") + degrees(ray.refraction));
        QCOMPARE(ui.Label4->text(), QStringLiteral("δείκτης = ") + Format(ray.sineRatio, "0.000"));
        QCOMPARE(ui.Label1->text(), QStringLiteral("ψ= 0"));
    }

    void thePrintedToleranceStopsAtTheFirstAgreement() {
        for (double height : {-60.0, 0.0, 20.0, 60.0}) {
            const geometry::Point p = geometry::Lens::standard().rearSurfacePoint(height);
            const geometry::BeamRayConstruction ray = geometry::constructBeamRay(
                geometry::Lens::standard(), scene::form().source(), p.x, p.y, float(0.001));
            QVERIFY(ray.leaves);
            QVERIFY(ray.passes < 5);
            QVERIFY(float(std::abs(ray.sineRatio - 2.0)) <= float(0.001));
            // Its aim point lies on the line P -> M, 250 units to the right.
            QVERIFY(std::abs((ray.qy - p.y) / 250 - (ray.my - p.y) / (ray.mx - p.x)) < 1e-9);
        }
    }

    void aTotallyReflectedRayDrawsNothing() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-30, 60});
        const geometry::Point p = geometry::Lens::standard().rearSurfacePoint(20);
        const geometry::BeamRayConstruction ray = geometry::constructBeamRay(
            geometry::Lens::standard(), scene::form().source(), p.x, p.y, float(1e-12));
        QVERIFY(ray.totalReflection);
        QVERIFY(!ray.leaves);
        QCOMPARE(ray.passes, 1);
        QVERIFY(std::abs(ray.incidence) >= ray.critical);

        geometry::rayEndX = 11;
        geometry::rayEndY = 12;
        geometry::rayOut = {13, 14, 15};
        geometry::sineRatio = 1.5f;
        ui.Label4->setText(QStringLiteral("earlier"));
        harness::clearRecord();
        QVERIFY(!continueOnWindow(p.x, p.y));
        QVERIFY(harness::drawn().empty());
        QCOMPARE(geometry::rayEndX, 11.0f);
        QCOMPARE(geometry::rayEndY, 12.0f);
        QCOMPARE(geometry::rayOut.x, 13.0f);
        QCOMPARE(geometry::rayOut.y, 14.0f);
        QCOMPARE(geometry::rayOut.time, 15.0f);
        QCOMPARE(geometry::sineRatio, 1.5f);
        QCOMPARE(ui.Label1->text(),
                 QStringLiteral("ολική ανάκλαση     ορική = ") + Format(30, "0.00"));
        QCOMPARE(ui.Label3->text(), QStringLiteral("προσπτωσης =") + degrees(ray.incidence));
        QCOMPARE(ui.Label4->text(), QStringLiteral("earlier"));
    }

    void theAxialRayGoesOnUndeviated() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-200, 0});
        const geometry::BeamRayConstruction ray = geometry::constructBeamRay(
            geometry::Lens::standard(), scene::form().source(), 15, 0, float(1e-12));
        QCOMPARE(ray.passes, 5);
        QVERIFY(std::abs(ray.incidence) < 0.001);
        QVERIFY(ray.leaves);
        harness::clearRecord();
        QVERIFY(continueOnWindow(15, 0));
        QCOMPARE(harness::drawn().size(), std::size_t(1));
        const DrawCall& line = harness::drawn().front();
        QCOMPARE(line.x1, 15.0);
        QCOMPARE(line.y1, 0.0);
        QCOMPARE(line.x2, double(geometry::halfWidth));
        QVERIFY(std::abs(line.y2) < 1e-3);
        QCOMPARE(ui.Label4->text(),
                 QStringLiteral("δείκτης = ") + Format(geometry::sineRatio, "0.000"));
    }
};

QTEST_MAIN(BeamContinuationTest)
#include "test_beam_continuation.moc"
