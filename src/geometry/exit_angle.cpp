// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/exit_angle.h"

#include "geometry/helpers.h"

#include <cmath>

namespace geometry {

double exitAngle(const Lens& lens, const BeamRay& ray) {
    const Point normal = lens.rear().rightwardNormal(ray.exitX, ray.exitY);
    return signedAngle(ray.exitX - ray.entryX, ray.exitY - ray.entryY, normal.x, normal.y);
}

bool leavesLens(const Lens& lens, const BeamRay& ray) {
    return !(std::abs(exitAngle(lens, ray)) > criticalAngle(lens));
}

} // namespace geometry
