// SPDX-License-Identifier: GPL-3.0-or-later
#include "beam/huygens_circles.h"

#include "beam/beam.h"
#include "geometry/beam_trace.h"
#include "geometry/exit_angle.h"
#include "geometry/state.h"
#include "surface/picture_inks.h"

#include <algorithm>

namespace beam {

void drawHuygensCircles(surface::Surface& s, const geometry::Lens& lens, std::int16_t n) {
    const int last = std::min<int>(n, int(geometry::beamTime.size()) - 1);
    const float maxTime = geometry::latestArrival(last);

    s.FillStyle = surface::FillMode::Transparent;
    for (int i = 0; i <= last; ++i) {
        const double x = geometry::beamExitX[i];
        const double y = geometry::beamExitY[i];
        const double radius = lens.speedAir() * ((maxTime + 0.7) - geometry::beamTime[i]);
        if (geometry::leavesLens(lens, i)) {
            s.Circle(x, y, radius);
        } else {
            s.DrawWidth = surface::inks::totalReflection.width;
            s.PSet(x, y, surface::inks::totalReflection.color);
            s.DrawWidth = 1;
        }
    }
}

void drawBeamWithWavelets(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                          std::int16_t n) {
    s.DrawWidth = 1;
    drawBeam(s, lens, source, n);
    s.DrawWidth = 1;
    drawHuygensCircles(s, lens, n);
}

} // namespace beam
