// SPDX-License-Identifier: GPL-3.0-or-later
#include "beam/huygens_circles.h"

#include "beam/beam.h"
#include "geometry/beam_trace.h"
#include "geometry/exit_angle.h"
#include "surface/picture_inks.h"

#include <algorithm>

namespace beam {

void drawHuygensCircles(surface::Surface& s, const geometry::Lens& lens, const geometry::Beam& beam,
                        std::int16_t n) {
    geometry::Beam drawn = beam;
    drawn.rays.resize(std::min(std::size_t(std::max(0, n + 1)), beam.rays.size()));
    const float maxTime = geometry::latestArrival(drawn);

    s.FillStyle = surface::FillMode::Transparent;
    for (const geometry::BeamRay& ray : drawn.rays) {
        const double x = ray.exitX;
        const double y = ray.exitY;
        const double radius = lens.speedAir() * ((maxTime + 0.7) - ray.time);
        if (geometry::leavesLens(lens, ray)) {
            s.Circle(x, y, radius);
        } else {
            s.DrawWidth = surface::inks::totalReflection.width;
            s.PSet(x, y, surface::inks::totalReflection.color);
            s.DrawWidth = 1;
        }
    }
}

void drawBeamWithWavelets(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                          std::int16_t n, const geometry::Layers& layers) {
    s.DrawWidth = 1;
    const geometry::Beam beam = drawBeam(s, lens, source, n, layers);
    s.DrawWidth = 1;
    if (layers.wavelets)
        drawHuygensCircles(s, lens, beam, n);
}

} // namespace beam
