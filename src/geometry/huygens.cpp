// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/huygens.h"

#include "geometry/helpers.h"
#include "geometry/state.h"

#include <cmath>

namespace geometry {

CrossingPair waveletCrossing(const Lens& lens, double x1, double y1, double r1, double x2,
                             double y2, double r2) {
    if (!lens.rear().flat)
        return circleCrossing(x1, y1, r1, x2, y2, r2);
    const CrossingPair exchanged = circleCrossing(y1, x1, r1, y2, x2, r2);
    return {exchanged.found, exchanged.y1, exchanged.x1, exchanged.y2, exchanged.x2};
}

HuygensPass huygensPass(const Lens& lens, Source source, double px, double py, double stepDegrees) {
    return huygensPass(lens, source, px, py, stepDegrees,
                       findLensEntry(lens, source.x, source.y, px, py));
}

HuygensPass huygensPass(const Lens& lens, Source source, double px, double py, double stepDegrees,
                        const LensEntry& a) {
    const LensFace& rear = lens.rear();
    HuygensPass pass;
    pass.px = px;
    pass.py = py;
    const double phi = rear.parameterOf(px, py);
    const double plus = phi + stepDegrees * pi / 180;
    const double minus = phi - stepDegrees * pi / 180;
    const Point plusPoint = rear.pointAt(plus);
    const Point minusPoint = rear.pointAt(minus);
    pass.plusX = plusPoint.x;
    pass.plusY = plusPoint.y;
    pass.minusX = minusPoint.x;
    pass.minusY = minusPoint.y;

    pass.a = a;
    pass.b = findLensEntry(lens, source.x, source.y, pass.plusX, pass.plusY);
    pass.c = findLensEntry(lens, source.x, source.y, pass.minusX, pass.minusY);

    // When tB exceeds tA, tC is not looked at.
    float reference = pass.a.time;
    if (pass.b.time > pass.a.time)
        reference = pass.b.time;
    else if (pass.c.time > pass.a.time)
        reference = pass.c.time;
    pass.commonTime = float(double(reference) + 2);

    pass.rA = (double(pass.commonTime) - pass.a.time) * lens.speedAir();
    pass.rB = (double(pass.commonTime) - pass.b.time) * lens.speedAir();
    pass.rC = (double(pass.commonTime) - pass.c.time) * lens.speedAir();

    pass.plusPair = waveletCrossing(lens, px, py, pass.rA, pass.plusX, pass.plusY, pass.rB);
    pass.minusPair = waveletCrossing(lens, px, py, pass.rA, pass.minusX, pass.minusY, pass.rC);
    return pass;
}

int failedSearches(const HuygensPass& pass) {
    return int(!pass.a.found) + int(!pass.b.found) + int(!pass.c.found);
}

Crossing fartherCrossing(const CrossingPair& pair, double refX, double refY) {
    if (pointDistance(pair.x1, pair.y1, refX, refY) > pointDistance(pair.x2, pair.y2, refX, refY))
        return {pair.x1, pair.y1};
    return {pair.x2, pair.y2};
}

double incidenceAngle(const Lens& lens, const HuygensPass& pass) {
    const Point normal = lens.rear().rightwardNormal(pass.px, pass.py);
    return signedAngle(pass.px - pass.a.x, pass.py - pass.a.y, normal.x, normal.y);
}

Point insideReference(const Lens& lens) {
    const LensFace& rear = lens.rear();
    if (!rear.flat && !rear.centreOnRight)
        return {rear.centreX, 0};
    return {rear.vertexX - 1000.0, 0};
}

} // namespace geometry
