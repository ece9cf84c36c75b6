// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the rays of the last beam can leave the lens at their exit points.
namespace geometry {

// The signed angle from ray i inside the lens (entry to exit) to the outward normal of
// the rear surface at its exit point, from the shared beam arrays.
double exitAngle(int i);

// Ray i leaves the lens unless its exit angle exceeds the critical angle; equality leaves.
bool leavesLens(int i);

} // namespace geometry
