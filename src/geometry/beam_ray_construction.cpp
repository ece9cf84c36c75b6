// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/beam_ray_construction.h"

#include "geometry/helpers.h"
#include "geometry/huygens.h"

#include <algorithm>
#include <cmath>

namespace geometry {

namespace {

constexpr int passLimit = 5;
constexpr double aimDistance = 250;
constexpr double normalIncidence = 0.001;

struct WavefrontPoint {
    bool found = false;
    double x = 0;
    float y = 0;
};

// Where the wavelet around P touches the outgoing wavefront: along the ray refracted by
// the law of sines. Just under the critical angle the three wavelets nearly touch and
// need not cross at all.
WavefrontPoint refractedWavefrontPoint(const Lens& lens, const HuygensPass& pass) {
    const double incidence = incidenceAngle(lens, pass);
    const double refraction = std::asin(
        std::clamp(std::sin(incidence) * double(lens.speedAir()) / lens.speedLens(), -1.0, 1.0));
    const Point outward = lens.rear().rightwardNormal(pass.px, pass.py);
    const double normal = std::atan2(outward.y, outward.x);
    const double direction = normal - refraction;
    return {true, pass.px + pass.rA * std::cos(direction),
            float(pass.py + pass.rA * std::sin(direction))};
}

// M, a point of the outgoing wavefront ahead of P: the midpoint of the outer crossings
// of the wavelet around P with those around its neighbours. When only one of these pairs
// crosses, the wavelets around the two neighbours still meet on the wavefront.
WavefrontPoint wavefrontPoint(const Lens& lens, const HuygensPass& pass) {
    const Point inside = insideReference(lens);
    if (!pass.plusPair.found && !pass.minusPair.found)
        return refractedWavefrontPoint(lens, pass);
    if (pass.plusPair.found && pass.minusPair.found) {
        const Crossing w1 = fartherCrossing(pass.plusPair, inside.x, inside.y);
        const Crossing w2 = fartherCrossing(pass.minusPair, inside.x, inside.y);
        return {true, (double(w1.x) + w2.x) / 2, float((double(w1.y) + w2.y) / 2)};
    }
    const CrossingPair neighbours =
        waveletCrossing(lens, pass.plusX, pass.plusY, pass.rB, pass.minusX, pass.minusY, pass.rC);
    if (!neighbours.found)
        return {};
    const Crossing m = fartherCrossing(neighbours, inside.x, inside.y);
    return {true, m.x, m.y};
}

bool agrees(const Lens& lens, float sineRatio, float tolerance) {
    const double speedRatio = double(lens.speedAir()) / lens.speedLens();
    return float(std::abs(std::abs(double(sineRatio)) - speedRatio)) <= tolerance;
}

} // namespace

BeamRayConstruction constructBeamRay(const Lens& lens, Source source, double px, double py,
                                     float tolerance) {
    refreshPi();
    BeamRayConstruction result;
    result.critical = criticalAngle(lens);
    double step = 0.1;
    bool agreed = false;
    HuygensPass pass;
    for (int number = 1; number <= passLimit && !agreed; ++number) {
        if (number > 1)
            step /= std::sqrt(double(number));
        // The path to P is the same in every pass; a failed search is tried again, so that
        // each pass reports it.
        pass = pass.a.found ? huygensPass(lens, source, px, py, step, pass.a)
                            : huygensPass(lens, source, px, py, step);
        result.failedSearches += failedSearches(pass);
        result.passes = number;
        result.incidence = incidenceAngle(lens, pass);
        if (std::abs(result.incidence) >= result.critical) {
            result.totalReflection = true;
            return result;
        }
        const WavefrontPoint m = wavefrontPoint(lens, pass);
        if (!m.found)
            return result;
        result.mx = m.x;
        result.my = m.y;
        result.timeLeft = float(double(pass.commonTime) - pass.b.time);
        const Point normal = lens.rear().rightwardNormal(px, py);
        result.refraction = signedAngle(m.x - px, m.y - py, normal.x, normal.y);
        result.refractionMeasured = true;
        // Light meeting the surface along the normal gives no index to measure.
        if (std::sin(result.incidence) != 0) {
            result.sineRatio = float(std::sin(result.refraction) / std::sin(result.incidence));
            result.indexMeasured = true;
            agreed = agrees(lens, result.sineRatio, tolerance);
        }
    }

    result.qx = px + aimDistance;
    if (!agreed && std::abs(result.incidence) < normalIncidence)
        result.qy = py + aimDistance * (py - pass.a.y) / (px - pass.a.x);
    else
        result.qy = py + aimDistance * (result.my - py) / (result.mx - px);
    // A vertical P->M or A->P leaves no direction to aim along.
    result.leaves = std::isfinite(result.qy);
    return result;
}

} // namespace geometry
