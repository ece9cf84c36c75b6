#include "timestep/wavefronts.h"

#include "beam/beam.h"
#include "beam/exit_angle.h"
#include "continuation/ray_direction.h"
#include "scene/guarded.h"
#include "scene/state.h"

#include <cmath>
#include <optional>
#include <vector>

namespace timestep {

namespace {

// A continuation that drew its ray always leaves time over (at least 2), so a ray whose
// record is still all zeros was never continued.
bool wasContinued(const scene::RayOut& out) {
    return out.x != 0 || out.y != 0 || out.time != 0;
}

} // namespace

void drawWavefronts(surface::Surface& s, float T, int n) {
    using namespace scene;
    const float maxTime = beam::latestArrival(n);

    std::vector<double> radius(std::size_t(n) + 1);
    std::vector<bool> leaves(std::size_t(n) + 1, false);
    s.FillStyle = surface::FillMode::Transparent;
    for (int i = 0; i <= n; ++i) {
        const double lag = (double(maxTime) + 1.5) - beamTime[i];
        radius[i] = speedAir * lag;
        if (!beam::leavesLens(i))
            continue;
        leaves[i] = true;
        guardedCircle(s, float(beamExitX[i]), float(beamExitY[i]), float(radius[i]), s.ForeColor);
    }

    const double grown = speedAir * (double(T) - (double(maxTime) + 0.7));
    for (int i = 0; i <= n; ++i) {
        if (!leaves[i] || !wasContinued(beamOut[i]))
            continue;
        const std::optional<double> alpha =
            continuation::outgoingDirection(beamExitX[i], beamExitY[i], beamOut[i].x, beamOut[i].y);
        if (!alpha)
            continue;
        const double qx = beamExitX[i] + radius[i] * std::cos(*alpha);
        const double qy = beamExitY[i] + radius[i] * std::sin(*alpha);
        guardedCircle(s, float(qx), float(qy), float(grown), s.ForeColor);
    }
}

} // namespace timestep
