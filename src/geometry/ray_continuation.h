// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/huygens.h"
#include "geometry/point.h"

#include <vector>

// Huygens's construction for the single ray through a point of the rear surface, as
// numbers: the passes to draw, how the ray ends and what the labels report.
namespace geometry {

struct RayContinuation {
    enum class End {
        TotalReflection, // |i| beyond the critical angle: the ray stays inside
        NoDirection,     // M straight above or below P: no line towards the right
        Undeviated,      // along the normal: on along A -> P without turning
        Outgoing,        // the measured index agreed: the ray leaves towards Q
        WrongSide,       // it agreed, but would leave on the wrong side of the normal
        Unsettled,       // three passes without agreement, away from the normal
    };

    std::vector<HuygensPass> passes; // in the order they are drawn
    End end = End::Unsettled;
    double incidence = 0; // i of the last pass, from the ray inside the lens to the normal
    double critical = 0;  // the critical angle
    bool refractionMeasured = false; // some pass measured r (with the i of that pass)
    double measuredIncidence = 0;
    double refraction = 0;
    bool indexMeasured = false; // some pass could divide by sin(i)
    float sineRatio = 0;        // sin(r) / sin(i) of the last such pass
    double qx = 0, qy = 0;      // Q, the end of the outgoing ray, 50 units right of P

    // The outgoing ray climbs above the axis: the student is told so before it is drawn.
    bool aimsAboveAxis() const { return end == End::Outgoing && qy > 0; }
};

// Continues the least-time ray from the source through P = (px, py) of the rear surface:
// passes with the neighbours 0.1 degrees away, then closer by the square root of the pass
// number, three at most, until the measured index agrees with speedAir / speedLens within
// 0.001. Refreshes pi.
RayContinuation continueRayConstruction(const Lens& lens, Source source, double px, double py);

} // namespace geometry
