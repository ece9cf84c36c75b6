// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/state.h"
#include "scene/state.h"
#include "surface/guarded.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

using surface::DrawCall;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

std::vector<DrawCall> recorded;

} // namespace

class GuardedTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // A window 600 by 400 units: the box reaches x = ±3000 and y = ±2000.
        geometry::halfWidth = 300;
        geometry::halfHeight = 200;
        surface::Surface::setRecorder([](const DrawCall& call) { recorded.push_back(call); });
    }
    void init() { recorded.clear(); }

    void linesAreClippedToTheBox_data() {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<QLineF>("drawn");
        QTest::newRow("inside") << QLineF(-250.5, 10.25, 299, -199)
                                << QLineF(-250.5, 10.25, 299, -199);
        QTest::newRow("one end out") << QLineF(0, 0, 6000, 0) << QLineF(0, 0, 3000, 0);
        QTest::newRow("both ends out")
            << QLineF(-6000, -4000, 6000, 4000) << QLineF(-3000, -2000, 3000, 2000);
        QTest::newRow("steep") << QLineF(100, 0, 100.5, 1e9) << QLineF(100, 0, 100.000001, 2000);
        QTest::newRow("end held on the box")
            << QLineF(-243.68424793545907, -188.66100939119747, 201.45906235192183,
                      5596.60240743032)
            << QLineF(-243.68424793545907, -188.66100939119747, -75.27915786047839, 2000);
        QTest::newRow("passing by") << QLineF(5000, 0, 6000, 100) << QLineF();
        QTest::newRow("above the box") << QLineF(-6000, 2500, 6000, 2500) << QLineF();
    }
    void linesAreClippedToTheBox() {
        QFETCH(QLineF, line);
        QFETCH(QLineF, drawn);
        surface::Surface s(QSize(60, 40), 1, 96, Qt::white);
        s.Scale(-300, 200, 300, -200);
        surface::guardedLine(s, line.x1(), line.y1(), line.x2(), line.y2(), Qt::red);
        if (drawn.isNull()) {
            QVERIFY(recorded.empty());
            return;
        }
        QCOMPARE(recorded.size(), std::size_t(1));
        QCOMPARE(recorded[0].x1, drawn.x1());
        QCOMPARE(recorded[0].y1, drawn.y1());
        QVERIFY(std::abs(recorded[0].x2) <= 3000 && std::abs(recorded[0].y2) <= 2000);
        QVERIFY(std::abs(recorded[0].x2 - drawn.x2()) < 1e-6);
        QVERIFY(std::abs(recorded[0].y2 - drawn.y2()) < 1e-6);
        QCOMPARE(recorded[0].color, QColor(Qt::red));
    }

    void nothingNonFiniteIsHandedOn() {
        surface::Surface s(QSize(60, 40), 1, 96, Qt::white);
        s.Scale(-300, 200, 300, -200);
        surface::guardedLine(s, 0, 0, inf, 5, Qt::red);
        surface::guardedLine(s, notANumber, 0, 5, 5, Qt::red);
        surface::guardedLine(s, 0, 0, 5, -inf, Qt::red);
        surface::guardedPSet(s, notANumber, 0, Qt::red);
        surface::guardedPSet(s, 0, inf, Qt::red);
        surface::guardedCircle(s, 0, 0, notANumber, Qt::red);
        surface::guardedCircle(s, 0, 0, inf, Qt::red);
        surface::guardedCircle(s, notANumber, 0, 1, Qt::red);
        QVERIFY(recorded.empty());
    }

    void dotsAndCirclesOutsideTheBoxAreSkipped() {
        surface::Surface s(QSize(60, 40), 1, 96, Qt::white);
        s.Scale(-300, 200, 300, -200);
        surface::guardedPSet(s, 3000, -2000, Qt::red);
        surface::guardedPSet(s, 3000.5, 0, Qt::red);
        surface::guardedPSet(s, 0, -2000.5, Qt::red);
        surface::guardedCircle(s, -3000, 2000, 3000, Qt::red);
        surface::guardedCircle(s, 0, 0, 3000.5, Qt::red);
        surface::guardedCircle(s, 0, 2001, 1, Qt::red);
        QCOMPARE(recorded.size(), std::size_t(2));
        QCOMPARE(recorded[0].kind, DrawCall::Kind::Dot);
        QCOMPARE(recorded[1].kind, DrawCall::Kind::Circle);
        QCOMPARE(recorded[1].radius, 3000.0);
    }
};

QTEST_MAIN(GuardedTest)
#include "test_guarded.moc"
