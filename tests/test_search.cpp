#include "optics/helpers.h"
#include "optics/search.h"
#include "scene/state.h"

#include <QTest>

#include <cmath>

namespace {

// The start-up lens and speeds, without a window.
void startUpLens() {
    scene::curveCentreX = 165;
    scene::curveRadius = 180;
    scene::speedAir = 2;
    scene::speedLens = 1;
    scene::pi = float(4 * std::atan(1.0));
}

// The rear-surface point at height v.
void rearPoint(double v, double& x, double& y) {
    const double phi = std::atan(v / std::sqrt(180.0 * 180.0 - v * v));
    x = 180 * std::cos(phi) - 165;
    y = 180 * std::sin(phi);
}

} // namespace

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void init() { startUpLens(); }

    void workedExample_data() {
        QTest::addColumn<int>("test");
        QTest::newRow("procedure") << int(optics::StepTest::Double);
        QTest::newRow("button") << int(optics::StepTest::Single);
    }
    void workedExample() {
        QFETCH(int, test);
        double tx, ty;
        rearPoint(30, tx, ty);
        const optics::LensSearch s =
            optics::searchLensEntry(-200, 0, tx, ty, optics::StepTest(test));
        QVERIFY(s.found);
        QVERIFY2(std::abs(s.x - -12.454) < 1e-3, qPrintable(QString::number(s.x, 'g', 10)));
        QVERIFY2(std::abs(s.y - 30.166) < 1e-3, qPrintable(QString::number(s.y, 'g', 10)));
        QVERIFY(std::abs(s.time - 119.92) < 5e-3);
        QCOMPARE(s.evaluations, 76);
        QCOMPARE(s.reversals, 19);
        QCOMPARE(s.time, optics::pathTime(-200, 0, s.x, s.y, tx, ty));
        QCOMPARE(scene::lensHalfHeight, float(std::sqrt(180.0 * 180 - 165.0 * 165)));
    }
};

QTEST_GUILESS_MAIN(SearchTest)
#include "test_search.moc"
