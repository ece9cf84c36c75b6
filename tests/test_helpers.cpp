// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/helpers.h"
#include "geometry/state.h"
#include "scene/state.h"

#include <QTest>

#include <cmath>

namespace {

const double pi32 = 3.1415927410125732; // 4·atn(1) as a 32-bit float

double call(const QString& procedure, const QList<double>& a) {
    if (procedure == QLatin1String("pathTime"))
        return geometry::pathTime(geometry::Lens::standard(), a[0], a[1], a[2], a[3], a[4], a[5]);
    if (procedure == QLatin1String("signedAngle"))
        return geometry::signedAngle(a[0], a[1], a[2], a[3]);
    if (procedure == QLatin1String("arcSin"))
        return geometry::arcSin(a[0]);
    return geometry::pointDistance(a[0], a[1], a[2], a[3]);
}

} // namespace

class HelpersTest : public QObject {
    Q_OBJECT
private slots:
    void init() { geometry::pi = float(pi32); }

    // tolerance 0: the result must be exactly the expected double.
    void edgeCases_data() {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QList<double>>("arguments");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        auto row = [](const char* name, const char* procedure, QList<double> arguments,
                      double expected, double tolerance = 0) {
            QTest::newRow(name) << QString::fromLatin1(procedure) << arguments << expected
                                << tolerance;
        };
        row("time 2.5 in air + 1 in lens", "pathTime", {0, 0, 3, 4, 3, 5}, 3.5);
        row("time, P1 = P2: lens only", "pathTime", {3, 4, 3, 4, 3, 5}, 1);
        row("time, P2 = P3: air only", "pathTime", {0, 0, 3, 4, 3, 4}, 2.5);
        row("angle +x to +y", "signedAngle", {1, 0, 0, 1}, pi32 / 2);
        row("angle +x to -y", "signedAngle", {1, 0, 0, -1}, -pi32 / 2);
        row("angle +y to +x", "signedAngle", {0, 1, 1, 0}, -pi32 / 2);
        row("angle folds back", "signedAngle", {1, 0, -1, 1}, 0.7853981633974483, 1e-15);
        row("angle parallel", "signedAngle", {1, 0, 2, 0}, 0);
        row("angle opposite", "signedAngle", {1, 0, -2, 0}, 0);
        row("angle swapped negates", "signedAngle", {-1, 1, 1, 0}, -0.7853981633974483, 1e-15);
        row("angle from a zero vector", "signedAngle", {0, 0, 1, 1}, 0);
        row("angle to a zero vector", "signedAngle", {3, -2, 0, 0}, 0);
        row("arcSin 0.5", "arcSin", {0.5}, 0.5235987755982989, 1e-15);
        row("arcSin -0.5", "arcSin", {-0.5}, -0.5235987755982989, 1e-15);
        row("arcSin 0", "arcSin", {0}, 0);
        row("arcSin 1", "arcSin", {1}, 1.5707963705062866);
        row("arcSin -1", "arcSin", {-1}, -1.5707963705062866);
        row("arcSin above 1", "arcSin", {1.0000001}, 0);
        row("arcSin below -1", "arcSin", {-1.0000001}, 0);
        row("arcSin NaN", "arcSin", {std::nan("")}, 0);
        row("distance 3-4-5", "pointDistance", {1, 1, 4, 5}, 5);
        row("distance to itself", "pointDistance", {-7, 2, -7, 2}, 0);
    }
    void edgeCases() {
        QFETCH(QString, procedure);
        QFETCH(QList<double>, arguments);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double result = call(procedure, arguments);
        if (tolerance == 0)
            QCOMPARE(result, expected);
        else
            QVERIFY2(std::abs(result - expected) <= tolerance,
                     qPrintable(QString::number(result, 'g', 17)));
    }

    void pathTimeReadsTheSpeedsOfItsLens() {
        QCOMPARE(geometry::pathTime(geometry::Lens::standard(), 0, 0, 3, 4, 3, 5), 3.5);
        geometry::LensGiven faster;
        faster.speedOutside = 5;
        faster.speedInside = 0.5f;
        QCOMPARE(geometry::pathTime(geometry::Lens(faster), 0, 0, 3, 4, 3, 5), 3.0);
    }

    void arcSinRefreshesPiOnlyWithinRange() {
        geometry::pi = 3;
        geometry::arcSin(2);
        QCOMPARE(geometry::pi, 3.0f);
        geometry::arcSin(0.25);
        QCOMPARE(double(geometry::pi), pi32);
    }
};

QTEST_GUILESS_MAIN(HelpersTest)
#include "test_helpers.moc"
