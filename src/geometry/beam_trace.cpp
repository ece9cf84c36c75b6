// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/beam_trace.h"

#include "geometry/state.h"

#include <algorithm>
#include <cmath>

namespace geometry {

void recreateRayArrays(int n) {
    const std::size_t rays = std::size_t(std::max(0, n + 1));
    beamExitX.assign(rays, 0.0);
    beamExitY.assign(rays, 0.0);
    beamEntryX.assign(rays, 0.0f);
    beamEntryY.assign(rays, 0.0f);
    beamTime.assign(rays, 0.0f);
}

void recreateBeamArrays(int n) {
    recreateRayArrays(n);
    const std::size_t rays = std::size_t(std::max(0, n + 1));
    beamEndX.assign(rays, 0);
    beamEndY.assign(rays, 0);
    beamOut.assign(rays, RayOut{});
}

double rayAngle(const Lens& lens, int i, int n, RaySpacing spacing) {
    const double rim = std::atan(double(lens.halfHeight()) / lens.curveCentreX());
    const double step = 2 * rim / (n + 2);
    if (spacing == RaySpacing::TimeStepped)
        return -rim + step + i * step;
    return -rim + step * (i + 1);
}

LensEntry traceRay(const Lens& lens, Source source, int i, int n, RaySpacing spacing) {
    const double angle = rayAngle(lens, i, n, spacing);
    beamExitX[i] = lens.curveRadius() * std::cos(angle) - lens.curveCentreX();
    beamExitY[i] = lens.curveRadius() * std::sin(angle);

    const LensEntry entry = findLensEntry(lens, source.x, source.y, beamExitX[i], beamExitY[i]);
    beamEntryX[i] = entry.x;
    beamEntryY[i] = entry.y;
    beamTime[i] = entry.time;
    return entry;
}

float latestArrival(int n) {
    float latest = 0;
    for (int i = 0; i <= n; ++i)
        if (beamTime[i] > latest)
            latest = beamTime[i];
    return latest;
}

} // namespace geometry
