#include "continuation/beam_ray.h"
#include "continuation/beam_ray_construction.h"
#include "continuation/crossing.h"
#include "optics/helpers.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "support/harness.h"
#include "surface/format.h"

#include <QTest>

#include <cmath>

using surface::DrawCall;
using surface::Format;

namespace {

const QColor red(255, 0, 0);

QString degrees(double angle) {
    return Format(std::abs(angle) * 180 / scene::pi, "0.00");
}

bool onTheBorder(double x, double y) {
    return std::abs(std::abs(x) - scene::halfWidth) < 1e-3 ||
           std::abs(std::abs(y) - scene::halfHeight) < 1e-3;
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
        const scene::Point p = scene::rearSurfacePoint(height);
        const continuation::BeamRayConstruction ray =
            continuation::constructBeamRay(p.x, p.y, float(1e-12));
        QVERIFY(!ray.totalReflection);
        QVERIFY(ray.leaves);
        // The 32-bit index never equals 2 exactly here: all five passes run.
        QCOMPARE(ray.passes, 5);
        QVERIFY(std::abs(ray.sineRatio - 2) < 0.01);
        QCOMPARE(ray.qx, p.x + 250);

        harness::clearRecord();
        QVERIFY(continuation::continueBeamRay(p.x, p.y));
        QCOMPARE(harness::drawn().size(), std::size_t(1));
        const DrawCall& line = harness::drawn().front();
        QCOMPARE(line.kind, DrawCall::Kind::Line);
        QCOMPARE(line.color, red);
        QCOMPARE(line.drawWidth, 2);
        QCOMPARE(w.surface().DrawWidth, 2);
        QCOMPARE(line.x1, p.x);
        QCOMPARE(line.y1, p.y);
        QCOMPARE(line.x2, double(scene::rayEndX));
        QCOMPARE(line.y2, double(scene::rayEndY));
        QVERIFY(onTheBorder(line.x2, line.y2));
        // The line runs from P towards Q.
        const double cross = (line.x2 - p.x) * (ray.qy - p.y) - (line.y2 - p.y) * (ray.qx - p.x);
        QVERIFY(std::abs(cross) < 1e-3 * optics::pointDistance(p.x, p.y, line.x2, line.y2) * 250);

        QCOMPARE(scene::rayOut.x, float(ray.mx));
        QCOMPARE(scene::rayOut.y, ray.my);
        QCOMPARE(scene::rayOut.time, ray.timeLeft);
        QCOMPARE(scene::sineRatio, ray.sineRatio);
        QCOMPARE(w.Label3->text(), QStringLiteral("προσπτωσης =") + degrees(ray.incidence) +
                                       QStringLiteral(" διάθλασης =") + degrees(ray.refraction));
        QCOMPARE(w.Label4->text(), QStringLiteral("δείκτης = ") + Format(ray.sineRatio, "0.000"));
        QCOMPARE(w.Label1->text(), QStringLiteral("ψ= 0"));
    }

    void thePrintedToleranceStopsAtTheFirstAgreement() {
        for (double height : {-60.0, 0.0, 20.0, 60.0}) {
            const scene::Point p = scene::rearSurfacePoint(height);
            const continuation::BeamRayConstruction ray =
                continuation::constructBeamRay(p.x, p.y, float(0.001));
            QVERIFY(ray.leaves);
            QVERIFY(ray.passes < 5);
            QVERIFY(float(std::abs(ray.sineRatio - 2.0)) <= float(0.001));
            // Its aim point lies on the line P -> M, 250 units to the right.
            QVERIFY(std::abs((ray.qy - p.y) / 250 - (ray.my - p.y) / (ray.mx - p.x)) < 1e-9);
        }
    }

    void aTotallyReflectedRayDrawsNothing() {
        Kovril& w = scene::form();
        w.kyklos->moveCentreTo(-30, 60);
        const scene::Point p = scene::rearSurfacePoint(20);
        const continuation::BeamRayConstruction ray =
            continuation::constructBeamRay(p.x, p.y, float(1e-12));
        QVERIFY(ray.totalReflection);
        QVERIFY(!ray.leaves);
        QCOMPARE(ray.passes, 1);
        QVERIFY(std::abs(ray.incidence) >= ray.critical);

        scene::rayEndX = 11;
        scene::rayEndY = 12;
        scene::rayOut = {13, 14, 15};
        scene::sineRatio = 1.5f;
        w.Label4->setText(QStringLiteral("earlier"));
        harness::clearRecord();
        QVERIFY(!continuation::continueBeamRay(p.x, p.y));
        QVERIFY(harness::drawn().empty());
        QCOMPARE(scene::rayEndX, 11.0f);
        QCOMPARE(scene::rayEndY, 12.0f);
        QCOMPARE(scene::rayOut.x, 13.0f);
        QCOMPARE(scene::rayOut.y, 14.0f);
        QCOMPARE(scene::rayOut.time, 15.0f);
        QCOMPARE(scene::sineRatio, 1.5f);
        QCOMPARE(w.Label1->text(),
                 QStringLiteral("ολική ανάκλαση     ορική = ") + Format(30, "0.00"));
        QCOMPARE(w.Label3->text(), QStringLiteral("προσπτωσης =") + degrees(ray.incidence));
        QCOMPARE(w.Label4->text(), QStringLiteral("earlier"));
    }

    void theAxialRayGoesOnUndeviated() {
        Kovril& w = scene::form();
        w.kyklos->moveCentreTo(-200, 0);
        const continuation::BeamRayConstruction ray =
            continuation::constructBeamRay(15, 0, float(1e-12));
        QCOMPARE(ray.passes, 5);
        QVERIFY(std::abs(ray.incidence) < 0.001);
        QVERIFY(ray.leaves);
        harness::clearRecord();
        QVERIFY(continuation::continueBeamRay(15, 0));
        QCOMPARE(harness::drawn().size(), std::size_t(1));
        const DrawCall& line = harness::drawn().front();
        QCOMPARE(line.x1, 15.0);
        QCOMPARE(line.y1, 0.0);
        QCOMPARE(line.x2, double(scene::halfWidth));
        QVERIFY(std::abs(line.y2) < 1e-3);
        QCOMPARE(w.Label4->text(),
                 QStringLiteral("δείκτης = ") + Format(scene::sineRatio, "0.000"));
    }
};

QTEST_MAIN(BeamContinuationTest)
#include "test_beam_continuation.moc"
