// SPDX-License-Identifier: GPL-3.0-or-later
#include "timestep/wavefronts.h"

#include "geometry/exit_angle.h"
#include "geometry/ray_direction.h"
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

void drawWavefronts(surface::Surface& s, const geometry::Lens& lens, const geometry::Beam& beam,
                    float T) {
    const float maxTime = geometry::latestArrival(beam);

    const std::size_t n = beam.rays.size();
    std::vector<double> radius(n);
    std::vector<bool> leaves(n, false);
    s.FillStyle = surface::FillMode::Transparent;
    for (std::size_t i = 0; i < n; ++i) {
        const geometry::BeamRay& ray = beam.rays[i];
        const double lag = (double(maxTime) + 1.5) - ray.time;
        radius[i] = lens.speedAir() * lag;
        if (!geometry::leavesLens(lens, ray))
            continue;
        leaves[i] = true;
        surface::guardedCircle(s, float(ray.exitX), float(ray.exitY), float(radius[i]),
                               s.ForeColor);
    }

    const double grown = lens.speedAir() * (double(T) - (double(maxTime) + 0.7));
    for (std::size_t i = 0; i < n; ++i) {
        const geometry::BeamRay& ray = beam.rays[i];
        if (!leaves[i] || !wasContinued(ray.out))
            continue;
        const std::optional<double> alpha =
            geometry::outgoingDirection(ray.exitX, ray.exitY, ray.out.x, ray.out.y);
        if (!alpha)
            continue;
        const double qx = ray.exitX + radius[i] * std::cos(*alpha);
        const double qy = ray.exitY + radius[i] * std::sin(*alpha);
        surface::guardedCircle(s, float(qx), float(qy), float(grown), s.ForeColor);
    }
}

} // namespace timestep
