// SPDX-License-Identifier: GPL-3.0-or-later
#include "beam/beam.h"

#include "geometry/beam_trace.h"
#include "geometry/state.h"
#include "surface/guarded.h"
#include "surface/messagebox.h"
#include "surface/picture_inks.h"

namespace beam {

void traceBeam(surface::Surface& s, const geometry::Lens& lens, geometry::Source source, int n,
               bool exitDots, geometry::RaySpacing spacing) {
    geometry::recreateRayArrays(n);
    for (int i = 0; i <= n; ++i) {
        const geometry::LensEntry entry = geometry::traceRay(lens, source, i, n, spacing);
        if (!entry.found)
            surface::MsgBox(geometry::Message::NotFound);
        const double exitX = geometry::beamExitX[i];
        const double exitY = geometry::beamExitY[i];
        if (exitDots) {
            s.DrawWidth = surface::inks::exitDots.width;
            s.PSet(exitX, exitY);
            s.DrawWidth = 1;
        }
        surface::guardedLine(s, source.x, source.y, entry.x, entry.y, s.ForeColor);
        surface::guardedLine(s, entry.x, entry.y, exitX, exitY, s.ForeColor);
    }
}

void drawBeam(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
              std::int16_t n) {
    traceBeam(s, lens, source, n, true);
}

} // namespace beam
