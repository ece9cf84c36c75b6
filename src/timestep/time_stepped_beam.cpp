// SPDX-License-Identifier: GPL-3.0-or-later
#include "timestep/time_stepped_beam.h"

#include "beam/beam.h"
#include "continuation/beam_ray.h"
#include "geometry/beam_trace.h"
#include "geometry/exit_angle.h"
#include "geometry/state.h"
#include "surface/guarded.h"
#include "timestep/lens_constructions.h"
#include "timestep/pragmatik.h"
#include "timestep/wavefronts.h"

namespace timestep {

namespace {

surface::LabelTexts continueRays(surface::Surface& s, const geometry::Lens& lens,
                                 geometry::Source source, int n) {
    surface::LabelTexts labels;
    for (int i = 0; i <= n; ++i) {
        if (!geometry::leavesLens(lens, i))
            continue;
        const double exitX = geometry::beamExitX[i];
        const double exitY = geometry::beamExitY[i];
        const continuation::ContinuedBeamRay ray = continuation::continueBeamRay(
            s, lens, source, exitX, exitY, continuation::BeamRayTarget::Window);
        labels.merge(ray.labels);
        pragmatik::drawExitRefraction(s, lens, exitX, exitY, geometry::beamEntryX[i],
                                      geometry::beamEntryY[i]);
        // A ray the continuation did not draw keeps an empty end and an all-zero beamOut,
        // so that nothing is drawn along a direction another ray left behind.
        if (!ray.drawn)
            continue;
        geometry::beamOut[i] = geometry::rayOut;
        geometry::beamEndX[i] = geometry::rayEndX;
        geometry::beamEndY[i] = geometry::rayEndY;
        s.DrawWidth = 1;
        surface::guardedPSet(s, geometry::beamEndX[i], geometry::beamEndY[i], s.ForeColor);
        s.DrawWidth = 1;
    }
    return labels;
}

} // namespace

surface::LabelTexts traceSteppedBeam(surface::Surface& s, const geometry::Lens& lens,
                                     geometry::Source source, int n) {
    geometry::recreateBeamArrays(n);
    beam::traceBeam(s, lens, source, n, false, geometry::RaySpacing::TimeStepped);
    // The wavelets must stay outlines; the scene redraw leaves the fill solid.
    s.FillStyle = surface::FillMode::Transparent;
    return continueRays(s, lens, source, n);
}

void drawSteppedWavefront(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                          int n, double timeValue) {
    const float maxTime = geometry::latestArrival(n);
    const float t = float(timeValue + double(maxTime));
    drawWavefronts(s, lens, t, n);
    drawLensConstructions(s, lens, source);
    s.FillStyle = surface::FillMode::Solid;
}

surface::LabelTexts timeSteppedBeam(surface::Surface& s, const geometry::Lens& lens,
                                    geometry::Source source, int n, std::int16_t timeValue) {
    const surface::LabelTexts labels = traceSteppedBeam(s, lens, source, n);
    drawSteppedWavefront(s, lens, source, n, timeValue);
    return labels;
}

} // namespace timestep
