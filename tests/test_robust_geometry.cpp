// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric procedures under any arguments: random ones, and the extremes a caller could
// hand them (zero, tiny, huge, equal points, infinities, NaN). Each must come back, and with
// something its callers can use.
#include "geometry/crossing.h"
#include "geometry/helpers.h"
#include "geometry/search.h"
#include "geometry/state.h"
#include "scene/state.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

namespace {

using limits = std::numeric_limits<double>;

const double halfPi32 = 1.5707963705062866; // pi/2 from the 32-bit pi

const std::vector<double> extremes = {0,
                                      -0.0,
                                      5e-324,
                                      -1e-300,
                                      1e-12,
                                      1,
                                      -1,
                                      -15,
                                      165,
                                      -200,
                                      1e30,
                                      -3.4e38,
                                      1e155,
                                      -1e300,
                                      limits::max(),
                                      limits::infinity(),
                                      -limits::infinity(),
                                      limits::quiet_NaN()};

std::mt19937_64 draw(20240607);

double anyExtreme() {
    return extremes[std::uniform_int_distribution<std::size_t>(0, extremes.size() - 1)(draw)];
}

// A number of the size scene coordinates have, now and then exactly one of a few.
double ordinary(double reach = 1000) {
    if (std::bernoulli_distribution(0.05)(draw))
        return std::bernoulli_distribution(0.5)(draw) ? 0.0 : 165.0;
    return std::uniform_real_distribution<double>(-reach, reach)(draw);
}

bool anyNaN(std::initializer_list<double> values) {
    return std::any_of(values.begin(), values.end(), [](double v) { return std::isnan(v); });
}

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

QString numbers(std::initializer_list<double> values) {
    QStringList texts;
    for (double v : values)
        texts << QString::number(v, 'g', 17);
    return texts.join(QStringLiteral(", "));
}

// The angle from a to b folded into [-pi/2, pi/2] the way signedAngle folds it.
double foldedAngle(double ax, double ay, double bx, double by) {
    const double angle = std::atan2(ax * by - ay * bx, ax * bx + ay * by);
    if (angle > std::numbers::pi / 2)
        return std::numbers::pi - angle;
    if (angle < -std::numbers::pi / 2)
        return -std::numbers::pi - angle;
    return angle;
}

} // namespace

class RobustGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        geometry::shareLens(geometry::Lens::standard());
        geometry::halfWidth = 300;
        geometry::halfHeight = 200;
    }

    void arcSinIsNeverNaN() {
        std::vector<double> xs = extremes;
        for (int i = 0; i < 100000; ++i)
            xs.push_back(std::uniform_real_distribution<double>(-1.5, 1.5)(draw));
        for (double x : {1.0, -1.0, std::nextafter(1.0, 2.0), std::nextafter(-1.0, -2.0),
                         std::nextafter(1.0, 0.0), std::nextafter(-1.0, 0.0)})
            xs.push_back(x);
        for (double x : xs) {
            const double a = geometry::arcSin(x);
            QVERIFY2(std::isfinite(a) && std::abs(a) <= halfPi32, qPrintable(numbers({x, a})));
            if (std::abs(x) < 1)
                QVERIFY2(std::abs(std::sin(a) - x) < 1e-12, qPrintable(numbers({x, a})));
            else if (std::abs(x) > 1 || std::isnan(x))
                QCOMPARE(a, 0.0);
        }
    }

    // Always an angle in [-pi/2, pi/2], negated when the vectors swap; for ordinary vectors
    // the folded angle between them.
    void signedAngleIsAlwaysAnAngle() {
        for (double ax : extremes)
            for (double ay : extremes)
                for (double bx : extremes)
                    for (double by : extremes) {
                        const double a = geometry::signedAngle(ax, ay, bx, by);
                        QVERIFY2(std::isfinite(a) && std::abs(a) <= halfPi32,
                                 qPrintable(numbers({ax, ay, bx, by, a})));
                        QCOMPARE(geometry::signedAngle(bx, by, ax, ay), -a);
                    }
        for (int i = 0; i < 100000; ++i) {
            const double ax = ordinary(), ay = ordinary(), bx = ordinary(), by = ordinary();
            const double a = geometry::signedAngle(ax, ay, bx, by);
            const double expected =
                (ax == 0 && ay == 0) || (bx == 0 && by == 0) ? 0.0 : foldedAngle(ax, ay, bx, by);
            // Near ±pi/2 the angle from its sine loses half the digits.
            QVERIFY2(std::abs(a - expected) < 1e-6, qPrintable(numbers({ax, ay, bx, by, a})));
        }
    }

    // Never negative, NaN only for a NaN or infinite argument, 0 for one point three times.
    void pathTimeIsATime() {
        for (int i = 0; i < 200000; ++i) {
            const bool extreme = i % 2 == 0;
            double v[6];
            for (double& x : v)
                x = extreme ? anyExtreme() : ordinary();
            const double t =
                geometry::pathTime(geometry::Lens::standard(), v[0], v[1], v[2], v[3], v[4], v[5]);
            const auto args = {v[0], v[1], v[2], v[3], v[4], v[5]};
            if (anyNaN(args)) {
                QVERIFY(std::isnan(t));
                continue;
            }
            // Two infinities may cancel into NaN; anything else is a time.
            QVERIFY2(t >= 0 || (std::isnan(t) && !allFinite(args)), qPrintable(numbers(args)));
            if (!extreme) {
                const double expected =
                    std::hypot(v[2] - v[0], v[3] - v[1]) / 2 + std::hypot(v[4] - v[2], v[5] - v[3]);
                QVERIFY(std::abs(t - expected) <= 1e-12 * expected);
            }
        }
        for (double x : extremes) {
            if (std::isfinite(x))
                QCOMPARE(geometry::pathTime(geometry::Lens::standard(), x, -x, x, -x, x, -x), 0.0);
        }
    }

    // A crossing found has finite points on both circles; circles that plainly cross are found.
    void circleCrossingFindsOnlyPoints() {
        for (int i = 0; i < 300000; ++i) {
            const bool extreme = i % 3 == 0;
            double c[6];
            for (double& x : c)
                x = extreme ? anyExtreme() : ordinary(300);
            if (!extreme) {
                c[2] = std::abs(c[2]);
                c[5] = std::abs(c[5]);
            }
            const geometry::CrossingPair p =
                geometry::circleCrossing(c[0], c[1], c[2], c[3], c[4], c[5]);
            const auto args = {c[0], c[1], c[2], c[3], c[4], c[5]};
            if (!p.found) {
                QVERIFY(p.x1 == 0 && p.y1 == 0 && p.x2 == 0 && p.y2 == 0);
            } else {
                QVERIFY2(allFinite({p.x1, p.y1, p.x2, p.y2}), qPrintable(numbers(args)));
                QVERIFY2(p.y1 >= p.y2, qPrintable(numbers(args)));
            }
            if (extreme)
                continue;
            const double distance = std::hypot(c[3] - c[0], c[4] - c[1]);
            const double margin = 1e-6 * (c[2] + c[5] + distance);
            const bool plainlyCross = c[0] != c[3] && distance < c[2] + c[5] - margin &&
                                      distance > std::abs(c[2] - c[5]) + margin;
            const bool plainlyApart =
                distance > c[2] + c[5] + margin || distance < std::abs(c[2] - c[5]) - margin;
            if (plainlyCross)
                QVERIFY2(p.found, qPrintable(numbers(args)));
            if (plainlyApart)
                QVERIFY2(!p.found, qPrintable(numbers(args)));
            if (!p.found)
                continue;
            // Each x comes from its y rounded to a float, through the radical line's slope.
            const double scale =
                1 + std::abs(c[0]) + std::abs(c[1]) + c[2] + std::abs(c[3]) + std::abs(c[4]) + c[5];
            const double slope = std::abs((c[1] - c[4]) / (c[0] - c[3]));
            const double slack = 1e-5 * scale * (1 + slope);
            for (auto [x, y] : {std::pair{p.x1, p.y1}, std::pair{p.x2, p.y2}}) {
                QVERIFY2(std::abs(std::hypot(x - c[0], y - c[1]) - c[2]) < slack,
                         qPrintable(numbers(args)));
                QVERIFY2(std::abs(std::hypot(x - c[3], y - c[4]) - c[5]) < slack,
                         qPrintable(numbers(args)));
            }
        }
    }

    // A point on the border's lines, or (0, 0) when there is none; from inside the window
    // along any direction, the point where the ray leaves it.
    void borderPointLiesOnTheBorder() {
        const float w = geometry::halfWidth;
        const float h = geometry::halfHeight;
        for (int i = 0; i < 300000; ++i) {
            const bool extreme = i % 3 == 0;
            const double x0 = extreme ? anyExtreme() : ordinary(w);
            const double y0 = extreme ? anyExtreme() : ordinary(h);
            const double dx = extreme ? anyExtreme() : ordinary();
            const double dy = extreme ? anyExtreme() : ordinary();
            const geometry::BorderHit b = geometry::borderPoint(x0, y0, dx, dy);
            const auto args = {x0, y0, dx, dy};
            QVERIFY2(std::isfinite(b.x) && std::isfinite(b.y), qPrintable(numbers(args)));
            const bool onBorder = std::abs(b.x) == w || std::abs(b.y) == h;
            QVERIFY2(onBorder || (b.x == 0 && b.y == 0), qPrintable(numbers(args)));
            if (extreme || (dx == 0 && dy == 0))
                continue;
            QVERIFY2(onBorder, qPrintable(numbers(args)));
            QVERIFY2(std::abs(b.x) <= w * (1 + 1e-6) && std::abs(b.y) <= h * (1 + 1e-6),
                     qPrintable(numbers(args)));
            QVERIFY2((b.x - x0) * dx + (b.y - y0) * dy >= -1e-3, qPrintable(numbers(args)));
        }
    }

    // From any source to any target the walk along the front surface ends within its rounds,
    // on the front surface's circle, or with zeros when it gives up.
    void searchEndsWithinItsRounds() {
        const std::vector<float> sources = {0.0f,
                                            -200.0f,
                                            -15.0f,
                                            165.0f,
                                            1e-30f,
                                            -1e30f,
                                            std::numeric_limits<float>::max(),
                                            -std::numeric_limits<float>::infinity(),
                                            std::numeric_limits<float>::quiet_NaN()};
        int searches = 0;
        for (float sx : sources)
            for (float sy : sources)
                for (double tx : extremes)
                    for (double ty :
                         {0.0, 30.0, -1e300, limits::infinity(), limits::quiet_NaN(), tx}) {
                        for (auto test : {geometry::StepTest::Double, geometry::StepTest::Single}) {
                            const geometry::LensSearch s = geometry::searchLensEntry(
                                geometry::Lens::standard(), sx, sy, tx, ty, test);
                            ++searches;
                            const auto args = {double(sx), double(sy), tx, ty};
                            QVERIFY2(s.evaluations >= 1 &&
                                         s.evaluations <= geometry::searchRoundLimit,
                                     qPrintable(numbers(args)));
                            if (!s.found) {
                                QVERIFY(s.x == 0 && s.y == 0 && s.time == 0);
                                continue;
                            }
                            QVERIFY2(std::abs(std::hypot(s.x - 165, s.y) - 180) < 1e-9,
                                     qPrintable(numbers(args)));
                            QVERIFY2(std::isnan(s.time) == anyNaN(args), qPrintable(numbers(args)));
                        }
                    }
        QVERIFY(searches > 10000);
        // A limit of a few rounds is met: the walk gives up with zeros.
        const geometry::LensSearch cut = geometry::searchLensEntry(
            geometry::Lens::standard(), -200, 0, 15, 0, geometry::StepTest::Double, 5);
        QVERIFY(!cut.found);
        QCOMPARE(cut.evaluations, 5);
        QVERIFY(cut.x == 0 && cut.y == 0 && cut.time == 0);
    }
};

QTEST_MAIN(RobustGeometryTest)
#include "test_robust_geometry.moc"
