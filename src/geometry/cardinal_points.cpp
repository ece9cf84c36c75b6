// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/cardinal_points.h"

#include "geometry/helpers.h"

#include <cmath>

namespace geometry {

CardinalPoints cardinalPoints(const Lens& lens) {
    const double radius = lens.curveRadius();
    const double centreX = lens.curveCentreX();
    const double index = lens.index();
    CardinalPoints p;
    const double r1 = radius;
    const double r2 = radius;
    p.thickness = 2 * (radius - centreX);
    p.v1 = centreX - radius;
    p.v2 = radius - centreX;
    p.f = 1 / ((index - 1) * (1 / r1 + 1 / r2) -
               (index - 1) * (index - 1) * p.thickness / (index * r1 * r2));
    const double shift = p.f * (index - 1) * p.thickness / (index * radius);
    p.h1 = p.v1 + shift;
    p.h2 = p.v2 - shift;
    // In air on both sides the nodal points coincide with the principal points.
    p.n1 = p.v1 + shift;
    p.n2 = p.v2 - shift;
    p.f1 = p.h1 - p.f;
    p.f2 = p.n2 + p.f;
    return p;
}

ThickLensImage thickLensImage(const CardinalPoints& p, double xs, double ys) {
    ThickLensImage image;
    image.m1 = -ys / (p.f1 - xs);
    image.m2 = -ys / (p.f2 - p.h2);
    image.m3 = -ys / (p.n1 - xs);
    image.yA = ys + image.m1 * (p.h1 - xs);
    image.y = image.yA;
    image.x = p.h2 + (image.yA - ys) / image.m2;
    return image;
}

ThinLensImage thinLensImage(const Lens& lens, double xs, double ys) {
    ThinLensImage image;
    image.fThin = float(double(lens.curveRadius()) / (2 * (double(lens.index()) - 1)));
    image.x = 1 / (1 / xs + 1 / double(image.fThin));
    image.y = ys * image.x / xs;
    return image;
}

std::optional<double> exitRefraction(const Lens& lens, double exitX, double exitY, double entryX,
                                     double entryY) {
    refreshPi();
    const double d = lens.curveCentreX();
    const double normal = std::atan(exitY / (exitX + d));
    const double theta = signedAngle(exitX - entryX, exitY - entryY, exitX + d, exitY);
    if (std::abs(std::sin(theta)) * lens.speedAir() / lens.speedLens() >= 1)
        return std::nullopt;
    return normal - arcSin(std::sin(theta) * lens.speedAir() / lens.speedLens());
}

} // namespace geometry
