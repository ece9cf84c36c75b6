// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/lens.h"

#include <cmath>

namespace geometry {

namespace {

// 4·atn(1) as a 32-bit float, as the arc angles have always been measured from.
const float singlePi = float(4 * std::atan(1.0));

double heightAngle(double r, double v) {
    return std::atan(v / std::sqrt(r * r - v * v));
}

} // namespace

Lens Lens::standard() {
    return Lens(LensGiven{});
}

Lens::Lens(const LensGiven& given) : given_(given) {
    // Both faces alike for now: the front face's radius and the thickness place them.
    curveRadius_ = float(given.frontRadius);
    curveCentreX_ = float(given.frontRadius - given.thickness / 2);
    const double c = curveCentreX_;
    const double r = curveRadius_;
    rimHeight_ = std::sqrt(r * r - c * c);
    halfHeight_ = float(rimHeight_);
    rimAngle_ = std::atan(rimHeight_ / c);
    leftArcStart_ = float(singlePi - rimAngle_);
    leftArcEnd_ = float(rimAngle_ + singlePi);
    rightArcStart_ = float(2 * singlePi - rimAngle_);
    rightArcEnd_ = float(rimAngle_);
    index_ = given.speedOutside / given.speedInside;
}

Point Lens::rearSurfacePoint(double v) const {
    const double phi = heightAngle(curveRadius_, v);
    return {curveRadius_ * std::cos(phi) - curveCentreX_, curveRadius_ * std::sin(phi)};
}

Point Lens::pointBehindRearSurface(double v) const {
    const double phi = heightAngle(curveRadius_, v);
    return {1.01 * curveRadius_ * std::cos(phi) - curveCentreX_, curveRadius_ * std::sin(phi)};
}

Point Lens::frontSurfacePoint(double v) const {
    const double r = curveRadius_;
    return {curveCentreX_ - std::sqrt(r * r - v * v), v};
}

} // namespace geometry
