// SPDX-License-Identifier: GPL-3.0-or-later
#include "timestep/time_stepped_beam.h"

#include "beam/beam.h"
#include "continuation/beam_ray.h"
#include "geometry/exit_angle.h"
#include "geometry/state.h"
#include "surface/guarded.h"
#include "timestep/lens_constructions.h"
#include "timestep/pragmatik.h"
#include "timestep/wavefronts.h"

namespace timestep {

namespace {

surface::LabelTexts continueRays(surface::Surface& s, const geometry::Lens& lens,
                                 geometry::Source source, geometry::Beam& beam,
                                 const geometry::Layers& layers) {
    surface::LabelTexts labels;
    for (geometry::BeamRay& beamRay : beam.rays) {
        if (!geometry::leavesLens(lens, beamRay))
            continue;
        const double exitX = beamRay.exitX;
        const double exitY = beamRay.exitY;
        const continuation::ContinuedBeamRay ray = continuation::continueBeamRay(
            s, lens, source, exitX, exitY, continuation::BeamRayTarget::Window, layers);
        labels.merge(ray.labels);
        if (layers.beam)
            pragmatik::drawExitRefraction(s, lens, exitX, exitY, beamRay.entryX, beamRay.entryY);
        // A ray the continuation did not draw keeps an empty end and an all-zero record,
        // so that nothing is drawn along a direction another ray left behind.
        if (!ray.drawn)
            continue;
        beamRay.out = geometry::rayOut;
        beamRay.endX = geometry::rayEndX;
        beamRay.endY = geometry::rayEndY;
        s.DrawWidth = 1;
        if (layers.beam)
            surface::guardedPSet(s, beamRay.endX, beamRay.endY, s.ForeColor);
        s.DrawWidth = 1;
    }
    return labels;
}

} // namespace

SteppedBeam traceSteppedBeam(surface::Surface& s, const geometry::Lens& lens,
                             geometry::Source source, int n, const geometry::Layers& layers) {
    SteppedBeam stepped;
    stepped.beam =
        beam::traceBeam(s, lens, source, n, false, layers, geometry::RaySpacing::TimeStepped);
    stepped.beam.reach = geometry::BeamReach::ContinuedOnWindow;
    // The wavelets must stay outlines; the scene redraw leaves the fill solid.
    s.FillStyle = surface::FillMode::Transparent;
    stepped.labels = continueRays(s, lens, source, stepped.beam, layers);
    stepped.beam.left = geometry::continuationLeft();
    geometry::shareBeam(stepped.beam);
    return stepped;
}

void drawSteppedWavefront(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                          const geometry::Beam& beam, double timeValue,
                          const geometry::Layers& layers) {
    const float maxTime = geometry::latestArrival(beam);
    const float t = float(timeValue + double(maxTime));
    if (layers.wavefronts)
        drawWavefronts(s, lens, beam, t);
    if (layers.cardinal)
        drawLensConstructions(s, lens, source);
    s.FillStyle = surface::FillMode::Solid;
}

surface::LabelTexts timeSteppedBeam(surface::Surface& s, const geometry::Lens& lens,
                                    geometry::Source source, int n, std::int16_t timeValue,
                                    const geometry::Layers& layers) {
    const SteppedBeam stepped = traceSteppedBeam(s, lens, source, n, layers);
    drawSteppedWavefront(s, lens, source, stepped.beam, timeValue, layers);
    return stepped.labels;
}

} // namespace timestep
