// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/crossing.h"
#include "geometry/state.h"
#include "scene/state.h"

#include <QTest>

using geometry::borderPoint;
using geometry::circleCrossing;
using geometry::CrossingPair;

class CrossingTest : public QObject {
    Q_OBJECT
private slots:
    void circleCrossings_data() {
        QTest::addColumn<QList<double>>("circles"); // cx1, cy1, r1, cx2, cy2, r2
        QTest::addColumn<bool>("found");
        QTest::addColumn<QList<float>>("points"); // x1, y1, x2, y2
        QTest::newRow("two crossings, upper first")
            << QList<double>{0, 0, 5, 8, 0, 5} << true << QList<float>{4, 3, 4, -3};
        QTest::newRow("centres on one vertical")
            << QList<double>{0, 0, 5, 0, 8, 5} << false << QList<float>{0, 0, 0, 0};
        QTest::newRow("too far apart")
            << QList<double>{0, 0, 1, 10, 0, 1} << false << QList<float>{0, 0, 0, 0};
        QTest::newRow("touching from outside")
            << QList<double>{0, 0, 2, 4, 0, 2} << true << QList<float>{2, 0, 2, 0};
        QTest::newRow("one inside the other")
            << QList<double>{0, 0, 10, 1, 0, 2} << false << QList<float>{0, 0, 0, 0};
        QTest::newRow("centres off the axis")
            << QList<double>{0, 0, 5, 7, 1, 5} << true << QList<float>{3, 4, 4, -3};
    }
    void circleCrossings() {
        QFETCH(QList<double>, circles);
        QFETCH(bool, found);
        QFETCH(QList<float>, points);
        const CrossingPair p =
            circleCrossing(circles[0], circles[1], circles[2], circles[3], circles[4], circles[5]);
        QCOMPARE(p.found, found);
        QCOMPARE(p.x1, points[0]);
        QCOMPARE(p.y1, points[1]);
        QCOMPARE(p.x2, points[2]);
        QCOMPARE(p.y2, points[3]);
    }

    void borderPoints_data() {
        QTest::addColumn<QList<double>>("ray"); // x0, y0, dx, dy
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("up right, top edge") << QList<double>{0, 0, 1, 1} << 200.0f << 200.0f;
        QTest::newRow("up right, right edge") << QList<double>{0, 0, 3, 1} << 300.0f << 100.0f;
        QTest::newRow("down right, bottom edge") << QList<double>{0, 0, 1, -1} << 200.0f << -200.0f;
        QTest::newRow("down right, right edge") << QList<double>{0, 0, 6, -1} << 300.0f << -50.0f;
        QTest::newRow("up left, top edge") << QList<double>{0, 0, -1, 2} << -100.0f << 200.0f;
        QTest::newRow("up left, left edge") << QList<double>{0, 0, -3, 1} << -300.0f << 100.0f;
        QTest::newRow("down left, left edge") << QList<double>{0, 0, -3, -1} << -300.0f << -100.0f;
        QTest::newRow("down left, bottom edge") << QList<double>{0, 0, -1, -4} << -50.0f << -200.0f;
        QTest::newRow("straight up") << QList<double>{10, 20, 0, 5} << 10.0f << 200.0f;
        QTest::newRow("straight down") << QList<double>{10, 20, 0, -5} << 10.0f << -200.0f;
        QTest::newRow("straight right") << QList<double>{10, 20, 5, 0} << 300.0f << 20.0f;
        QTest::newRow("straight left") << QList<double>{10, 20, -5, 0} << -300.0f << 20.0f;
        QTest::newRow("no direction") << QList<double>{10, 20, 0, 0} << 0.0f << 0.0f;
        QTest::newRow("from off the origin") << QList<double>{100, 150, 1, 1} << 150.0f << 200.0f;
        // The tie goes to the side edge; both candidates are the corner.
        QTest::newRow("into the corner") << QList<double>{0, 0, 3, 2} << 300.0f << 200.0f;
        QTest::newRow("into the lower left corner")
            << QList<double>{0, 0, -3, -2} << -300.0f << -200.0f;
        QTest::newRow("just above the corner")
            << QList<double>{0, 0, 3, 2.002} << float(200 * 3 / 2.002) << 200.0f;
        QTest::newRow("just below the corner")
            << QList<double>{0, 0, 3.003, 2} << 300.0f << float(300 * 2 / 3.003);
    }
    void borderPoints() {
        QFETCH(QList<double>, ray);
        QFETCH(float, x);
        QFETCH(float, y);
        geometry::halfWidth = 300;
        geometry::halfHeight = 200;
        const geometry::BorderHit hit = borderPoint(ray[0], ray[1], ray[2], ray[3]);
        QCOMPARE(hit.x, x);
        QCOMPARE(hit.y, y);
    }
};

QTEST_GUILESS_MAIN(CrossingTest)
#include "test_crossing.moc"
