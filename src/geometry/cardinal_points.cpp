// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/cardinal_points.h"

#include "geometry/helpers.h"

#include <cmath>

namespace geometry {

namespace {

// A face's radius with its sign, positive when it bulges outwards; none when flat.
std::optional<double> signedRadius(const LensFace& face, bool front) {
    if (face.flat)
        return std::nullopt;
    const bool bulges = face.centreOnRight == front;
    return bulges ? double(face.radius) : -double(face.radius);
}

// The lensmaker's power of a thick lens in air.
double power(double index, double thickness, std::optional<double> r1, std::optional<double> r2) {
    if (r1 && r2)
        return (index - 1) * (1 / *r1 + 1 / *r2) -
               (index - 1) * (index - 1) * thickness / (index * *r1 * *r2);
    if (r1)
        return (index - 1) / *r1;
    if (r2)
        return (index - 1) / *r2;
    return 0;
}

// How far a principal point lies inwards from its vertex, by the other face's radius.
double principalShift(double f, double index, double thickness, std::optional<double> other) {
    if (!other)
        return 0;
    return f * (index - 1) * thickness / (index * *other);
}

} // namespace

CardinalPoints cardinalPoints(const Lens& lens) {
    const double index = lens.index();
    const std::optional<double> r1 = signedRadius(lens.front(), true);
    const std::optional<double> r2 = signedRadius(lens.rear(), false);
    CardinalPoints p;
    p.v1 = lens.front().vertexX;
    p.v2 = lens.rear().vertexX;
    p.thickness = p.v2 - p.v1;
    p.f = 1 / power(index, p.thickness, r1, r2);
    if (!std::isfinite(p.f))
        return p;
    p.focussing = true;
    p.h1 = p.v1 + principalShift(p.f, index, p.thickness, r2);
    p.h2 = p.v2 - principalShift(p.f, index, p.thickness, r1);
    // In air on both sides the nodal points coincide with the principal points.
    p.n1 = p.h1;
    p.n2 = p.h2;
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
    const std::optional<double> r1 = signedRadius(lens.front(), true);
    const std::optional<double> r2 = signedRadius(lens.rear(), false);
    const double index = lens.index();
    if (r1 && r2 && *r1 == *r2)
        image.fThin = float(*r1 / (2 * (index - 1)));
    else
        image.fThin = float(1 / power(index, 0, r1, r2));
    image.x = 1 / (1 / xs + 1 / double(image.fThin));
    image.y = ys * image.x / xs;
    return image;
}

std::optional<double> exitRefraction(const Lens& lens, double exitX, double exitY, double entryX,
                                     double entryY) {
    refreshPi();
    const Point outward = lens.rear().rightwardNormal(exitX, exitY);
    const double normal = std::atan(outward.y / outward.x);
    const double theta = signedAngle(exitX - entryX, exitY - entryY, outward.x, outward.y);
    if (std::abs(std::sin(theta)) * lens.speedAir() / lens.speedLens() >= 1)
        return std::nullopt;
    return normal - arcSin(std::sin(theta) * lens.speedAir() / lens.speedLens());
}

} // namespace geometry
