// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/helpers.h"

#include "geometry/lens.h"
#include "geometry/state.h"

#include <cmath>

namespace geometry {

double pathTime(const Lens& lens, double x1, double y1, double x2, double y2, double x3,
                double y3) {
    const double inAir = std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
    const double inLens = std::sqrt((x3 - x2) * (x3 - x2) + (y3 - y2) * (y3 - y2));
    return inAir / lens.speedAir() + inLens / lens.speedLens();
}

double pointDistance(double x1, double y1, double x2, double y2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

double signedAngle(double ax, double ay, double bx, double by) {
    const double lengthA = std::sqrt(ax * ax + ay * ay);
    const double lengthB = std::sqrt(bx * bx + by * by);
    if (lengthA == 0 || lengthB == 0)
        return 0;
    return arcSin((ax * by - ay * bx) / (lengthA * lengthB));
}

double arcSin(double x) {
    if (x > 1)
        return 0;
    refreshPi();
    if (x == 1)
        return float(pi / 2.0);
    if (x == -1)
        return float(-pi / 2.0);
    if (std::abs(x) < 1)
        return std::atan(x / std::sqrt(1 - x * x));
    return 0;
}

double criticalAngle(const Lens& lens) {
    return arcSin(float(double(lens.speedLens()) / lens.speedAir()));
}

void refreshPi() {
    pi = float(4 * std::atan(1.0));
}

} // namespace geometry
