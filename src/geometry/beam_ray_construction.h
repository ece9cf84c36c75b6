// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"
#include "geometry/point.h"

// Huygens's construction for one ray of a beam beyond the lens, as numbers only: the
// window's continuation and the printed one draw from the same result.
namespace geometry {

struct BeamRayConstruction {
    bool totalReflection = false;    // |i| reached the critical angle: the ray stays inside
    bool leaves = false;             // an outgoing ray was found, aimed at Q
    int passes = 0;                  // passes run, at most five
    double incidence = 0;            // i, from the ray inside the lens to the normal (radians)
    double critical = 0;             // the critical angle (radians)
    bool refractionMeasured = false; // some pass found a wavefront point M and r
    double refraction = 0;           // r of the last such pass, from P->M to the normal
    bool indexMeasured = false;      // some pass could divide by sin(i)
    float sineRatio = 0;             // sin(r) / sin(i) of the last such pass
    double qx = 0, qy = 0;           // Q, the aim point 250 units to the right of P
    double mx = 0;                   // M, the wavefront point of the last pass
    float my = 0;
    float timeLeft = 0;     // T - tB of the last pass: the time left over at P+
    int failedSearches = 0; // least-time searches that gave up, each told once
};

// Continues the ray that leaves the rear surface at P = (px, py). Passes with the
// neighbours 0.1 degrees away, then closer by the square root of the pass number, until
// the measured index lies within tolerance of speedAir / speedLens (as 32-bit floats) or
// five passes have run; a ray that never agreed and met the surface along the normal
// (|i| < 0.001) goes on undeviated along A -> P. A pass whose wavelets do not cross at all
// (just under the critical angle) takes M along the ray refracted by the law of sines.
// A direction that cannot be computed leaves the ray without an outgoing part.
// Refreshes pi first.
BeamRayConstruction constructBeamRay(const Lens& lens, Source source, double px, double py,
                                     float tolerance);

} // namespace geometry
