// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/helpers.h"
#include "geometry/search.h"
#include "geometry/state.h"
#include "scene/state.h"

#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// The start-up lens and speeds, without a window.
void startUpLens() {
    geometry::shareLens(geometry::Lens::standard());
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
        QTest::newRow("procedure") << int(geometry::StepTest::Double);
        QTest::newRow("button") << int(geometry::StepTest::Single);
    }
    void workedExample() {
        QFETCH(int, test);
        double tx, ty;
        rearPoint(30, tx, ty);
        const geometry::LensSearch s = geometry::searchLensEntry(
            geometry::Lens::standard(), -200, 0, tx, ty, geometry::StepTest(test));
        QVERIFY(s.found);
        QVERIFY2(std::abs(s.x - -12.454) < 1e-3, qPrintable(QString::number(s.x, 'g', 10)));
        QVERIFY2(std::abs(s.y - 30.166) < 1e-3, qPrintable(QString::number(s.y, 'g', 10)));
        QVERIFY(std::abs(s.time - 119.92) < 5e-3);
        QCOMPARE(s.evaluations, 76);
        QCOMPARE(s.reversals, 19);
        QCOMPARE(s.time, geometry::pathTime(geometry::Lens::standard(), -200, 0, s.x, s.y, tx, ty));
        QCOMPARE(geometry::Lens::standard().halfHeight(),
                 float(std::sqrt(180.0 * 180 - 165.0 * 165)));
    }

    // Off the axis the least-time point obeys the law of refraction with index 2, and every
    // search ends after the nineteenth halving of its two-degree step.
    void everySearchRefractsWithTheSpeedsRatio() {
        for (double sourceX : {-400.0, -250.0, -120.0, -40.0})
            for (double sourceY : {-250.0, -60.0, 0.0, 35.0, 200.0})
                for (double v : {-99.0, -45.0, -1.0, 20.0, 71.0, 99.0}) {
                    double tx, ty;
                    rearPoint(v, tx, ty);
                    const geometry::LensSearch s = geometry::searchLensEntry(
                        geometry::Lens::standard(), float(sourceX), float(sourceY), tx, ty,
                        geometry::StepTest::Single);
                    const QByteArray where = QByteArray::number(sourceX) + ',' +
                                             QByteArray::number(sourceY) + " v " +
                                             QByteArray::number(v);
                    QVERIFY2(s.found, where);
                    QVERIFY2(s.reversals == 19, where);
                    QVERIFY2(s.evaluations > 20 && s.evaluations < 200, where);
                    const double normalX = 165 - s.x;
                    const double normalY = -s.y;
                    const double incidence =
                        geometry::signedAngle(s.x - sourceX, s.y - sourceY, normalX, normalY);
                    const double refraction =
                        geometry::signedAngle(tx - s.x, ty - s.y, normalX, normalY);
                    const double index = std::sin(incidence) / std::sin(refraction);
                    QVERIFY2(std::abs(index - 2) < 5e-3,
                             where + " index " + QByteArray::number(index));
                    // A nearby point of the front circle is no faster.
                    const double theta = std::atan2(s.y, 165 - s.x);
                    for (double d : {-1e-4, 1e-4}) {
                        const double nx = 165 - 180 * std::cos(theta + d);
                        const double ny = 180 * std::sin(theta + d);
                        QVERIFY2(geometry::pathTime(geometry::Lens::standard(), sourceX, sourceY,
                                                    nx, ny, tx, ty) > s.time,
                                 where);
                    }
                }
    }

    // The time grows upwards from the lower rim: the first step turns back, and the walk
    // ends below the rim.
    void searchThatTurnsBackAtOnce() {
        double tx, ty;
        rearPoint(-99, tx, ty);
        const float sourceX = -50;
        const float sourceY = -300;
        const geometry::LensSearch s = geometry::searchLensEntry(
            geometry::Lens::standard(), sourceX, sourceY, tx, ty, geometry::StepTest::Single);
        QVERIFY(s.found);
        QVERIFY(s.y < -geometry::lensHalfHeight - 10);
        const double firstStep = 2 * double(geometry::pi) / 180;
        const double theta0 = -std::atan(double(geometry::lensHalfHeight) / 165);
        auto timeAt = [&](double theta) {
            return geometry::pathTime(geometry::Lens::standard(), sourceX, sourceY,
                                      165 - 180 * std::cos(theta), 180 * std::sin(theta), tx, ty);
        };
        QVERIFY(timeAt(theta0 + firstStep) > timeAt(theta0));
        // The best point lies well below the rim.
        QVERIFY(std::atan2(s.y, 165 - s.x) < theta0 - 3 * firstStep);
    }

    // The worked example stops in its 76th evaluation; one round fewer and it gives up.
    void roundLimit_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("found");
        QTest::newRow("ten rounds") << 10 << false;
        QTest::newRow("one round short") << 75 << false;
        QTest::newRow("just enough") << 76 << true;
    }
    void roundLimit() {
        QFETCH(int, limit);
        QFETCH(bool, found);
        double tx, ty;
        rearPoint(30, tx, ty);
        const geometry::LensSearch s = geometry::searchLensEntry(
            geometry::Lens::standard(), -200, 0, tx, ty, geometry::StepTest::Double, limit);
        QCOMPARE(s.found, found);
        QCOMPARE(s.evaluations, std::min(limit, 76)); // the first and one per round after it
        if (!found) {
            QCOMPARE(s.x, 0.0);
            QCOMPARE(s.y, 0.0);
            QCOMPARE(s.time, 0.0);
        }
    }
};

QTEST_GUILESS_MAIN(SearchTest)
#include "test_search.moc"
