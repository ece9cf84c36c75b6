// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/beam_trace.h"

#include <cmath>

namespace geometry {

double rayAngle(const Lens& lens, int i, int n, RaySpacing spacing) {
    const double rim = lens.rear().rimParameter;
    const double step = 2 * rim / (n + 2);
    if (spacing == RaySpacing::TimeStepped)
        return -rim + step + i * step;
    return -rim + step * (i + 1);
}

BeamRay traceRay(const Lens& lens, Source source, int i, int n, RaySpacing spacing) {
    const double angle = rayAngle(lens, i, n, spacing);
    BeamRay ray;
    const Point exit = lens.rear().pointAt(angle);
    ray.exitX = exit.x;
    ray.exitY = exit.y;
    const LensEntry entry = findLensEntry(lens, source.x, source.y, ray.exitX, ray.exitY);
    ray.entryX = entry.x;
    ray.entryY = entry.y;
    ray.time = entry.time;
    ray.found = entry.found;
    return ray;
}

} // namespace geometry
