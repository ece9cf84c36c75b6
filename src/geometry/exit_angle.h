// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"

// Whether the rays of the last beam can leave the lens at their exit points.
namespace geometry {

// The signed angle from ray i inside the lens (entry to exit) to the outward normal of
// the rear surface at its exit point, from the shared beam arrays.
double exitAngle(const Lens& lens, int i);

// Ray i leaves the lens unless its exit angle exceeds the critical angle; equality leaves.
bool leavesLens(const Lens& lens, int i);

} // namespace geometry
