// SPDX-License-Identifier: GPL-3.0-or-later
#include "timestep/wavefronts.h"

#include "geometry/beam_trace.h"
#include "geometry/exit_angle.h"
#include "geometry/ray_direction.h"
#include "geometry/state.h"
#include "surface/guarded.h"

#include <cmath>
#include <optional>
#include <vector>

namespace timestep {

namespace {

// A continuation that drew its ray always leaves time over (at least 2), so a ray whose
// record is still all zeros was never continued.
bool wasContinued(const geometry::RayOut& out) {
    return out.x != 0 || out.y != 0 || out.time != 0;
}

} // namespace

void drawWavefronts(surface::Surface& s, const geometry::Lens& lens, float T, int n) {
    const float maxTime = geometry::latestArrival(n);

    std::vector<double> radius(std::size_t(n) + 1);
    std::vector<bool> leaves(std::size_t(n) + 1, false);
    s.FillStyle = surface::FillMode::Transparent;
    for (int i = 0; i <= n; ++i) {
        const double lag = (double(maxTime) + 1.5) - geometry::beamTime[i];
        radius[i] = lens.speedAir() * lag;
        if (!geometry::leavesLens(lens, i))
            continue;
        leaves[i] = true;
        surface::guardedCircle(s, float(geometry::beamExitX[i]), float(geometry::beamExitY[i]),
                               float(radius[i]), s.ForeColor);
    }

    const double grown = lens.speedAir() * (double(T) - (double(maxTime) + 0.7));
    for (int i = 0; i <= n; ++i) {
        if (!leaves[i] || !wasContinued(geometry::beamOut[i]))
            continue;
        const std::optional<double> alpha =
            geometry::outgoingDirection(geometry::beamExitX[i], geometry::beamExitY[i],
                                        geometry::beamOut[i].x, geometry::beamOut[i].y);
        if (!alpha)
            continue;
        const double qx = geometry::beamExitX[i] + radius[i] * std::cos(*alpha);
        const double qy = geometry::beamExitY[i] + radius[i] * std::sin(*alpha);
        surface::guardedCircle(s, float(qx), float(qy), float(grown), s.ForeColor);
    }
}

} // namespace timestep
