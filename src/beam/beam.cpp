// SPDX-License-Identifier: GPL-3.0-or-later
#include "beam/beam.h"

#include "geometry/beam_trace.h"
#include "surface/arrowhead.h"
#include "surface/guarded.h"
#include "surface/messagebox.h"
#include "surface/picture_inks.h"

namespace beam {

geometry::Beam traceBeam(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                         int n, bool exitDots, const geometry::Layers& layers,
                         geometry::RaySpacing spacing) {
    geometry::Beam beam = geometry::startBeam(n, geometry::BeamReach::ThroughLens);
    for (int i = 0; i <= n; ++i) {
        const geometry::BeamRay& ray = beam.rays[std::size_t(i)] =
            geometry::traceRay(lens, source, i, n, spacing);
        if (!ray.found)
            surface::MsgBox(geometry::Message::NotFound);
        if (!layers.beam)
            continue;
        const double exitX = ray.exitX;
        const double exitY = ray.exitY;
        if (exitDots) {
            s.DrawWidth = surface::inks::exitDots.width;
            s.PSet(exitX, exitY);
            s.DrawWidth = 1;
        }
        surface::guardedLine(s, source.x, source.y, ray.entryX, ray.entryY, s.ForeColor);
        surface::guardedLine(s, ray.entryX, ray.entryY, exitX, exitY, s.ForeColor);
        if (layers.directionArrows) {
            surface::drawArrowhead(s, source.x, source.y, ray.entryX, ray.entryY);
            surface::drawArrowhead(s, ray.entryX, ray.entryY, exitX, exitY);
        }
    }
    beam.left = geometry::continuationLeft();
    return beam;
}

geometry::Beam drawBeam(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                        std::int16_t n, const geometry::Layers& layers) {
    const geometry::Beam beam = traceBeam(s, lens, source, n, true, layers);
    geometry::shareBeam(beam);
    return beam;
}

} // namespace beam
