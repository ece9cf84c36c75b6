// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/ray_continuation.h"

#include "geometry/helpers.h"

#include <cmath>

namespace geometry {

namespace {

constexpr int passLimit = 3;
constexpr double firstStepDegrees = 0.1;
constexpr double rayReach = 50;           // the outgoing ray ends this far right of P
constexpr double normalIncidence = 0.001; // radians

} // namespace

RayContinuation continueRayConstruction(const Lens& lens, Source source, double px, double py) {
    using End = RayContinuation::End;
    RayContinuation ray;
    refreshPi();
    double step = firstStepDegrees;
    int passNumber = 1;
    while (passNumber <= passLimit) {
        const HuygensPass& pass = ray.passes.emplace_back(huygensPass(lens, source, px, py, step));

        // The wavefront runs through the crossings on the far side from the source.
        const Crossing w1 = fartherCrossing(pass.plusPair, source.x, source.y);
        const Crossing w2 = fartherCrossing(pass.minusPair, source.x, source.y);
        const double mx = (double(w1.x) + w2.x) / 2;
        const double my = (double(w1.y) + w2.y) / 2;

        ray.incidence = incidenceAngle(lens, pass);
        ray.critical = criticalAngle(lens);
        if (std::abs(ray.incidence) > ray.critical) {
            ray.end = End::TotalReflection;
            return ray;
        }
        if (mx == px) {
            ray.end = End::NoDirection;
            return ray;
        }
        ray.qx = px + rayReach;
        ray.qy = py + rayReach * (my - py) / (mx - px);
        const Point normal = lens.rear().rightwardNormal(px, py);
        ray.refraction = signedAngle(ray.qx - px, ray.qy - py, normal.x, normal.y);
        ray.measuredIncidence = ray.incidence;
        ray.refractionMeasured = true;

        if (std::sin(ray.incidence) == 0) {
            ray.end = End::Undeviated;
            return ray;
        }
        ray.sineRatio = float(std::sin(ray.refraction) / std::sin(ray.incidence));
        ray.indexMeasured = true;
        const float mismatch =
            float(std::abs(std::abs(ray.sineRatio) - double(lens.speedAir()) / lens.speedLens()));
        if (mismatch <= float(0.001)) {
            ray.end = ray.sineRatio < 0 ? End::WrongSide : End::Outgoing;
            return ray;
        }
        ++passNumber;
        step /= std::sqrt(passNumber);
    }
    // Near the normal the measured index is a quotient of two tiny sines and never settles.
    ray.end = std::abs(ray.incidence) < normalIncidence ? End::Undeviated : End::Unsettled;
    return ray;
}

} // namespace geometry
