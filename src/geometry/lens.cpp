// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/lens.h"

#include "geometry/state.h"

#include <cmath>

namespace geometry {

namespace {

double heightAngle(double v) {
    const double r = curveRadius;
    return std::atan(v / std::sqrt(r * r - v * v));
}

} // namespace

double rimAngle() {
    const double c = curveCentreX;
    const double r = curveRadius;
    return std::atan(std::sqrt(r * r - c * c) / c);
}

Point rearSurfacePoint(double v) {
    const double phi = heightAngle(v);
    return {curveRadius * std::cos(phi) - curveCentreX, curveRadius * std::sin(phi)};
}

Point pointBehindRearSurface(double v) {
    const double phi = heightAngle(v);
    return {1.01 * curveRadius * std::cos(phi) - curveCentreX, curveRadius * std::sin(phi)};
}

Point frontSurfacePoint(double v) {
    const double r = curveRadius;
    return {curveCentreX - std::sqrt(r * r - v * v), v};
}

} // namespace geometry
