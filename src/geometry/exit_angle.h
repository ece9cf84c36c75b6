// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/beam.h"
#include "geometry/lens.h"

// Whether the rays of a beam can leave the lens at their exit points.
namespace geometry {

// The signed angle from a ray inside the lens (entry to exit) to the outward normal of
// the rear surface at its exit point.
double exitAngle(const Lens& lens, const BeamRay& ray);

// A ray leaves the lens unless its exit angle exceeds the critical angle; equality leaves.
bool leavesLens(const Lens& lens, const BeamRay& ray);

} // namespace geometry
