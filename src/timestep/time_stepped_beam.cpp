#include "timestep/time_stepped_beam.h"

#include "beam/beam.h"
#include "beam/exit_angle.h"
#include "continuation/beam_ray.h"
#include "optics/lens_entry.h"
#include "scene/guarded.h"
#include "scene/kovril.h"
#include "scene/state.h"
#include "timestep/lens_constructions.h"
#include "timestep/pragmatik.h"
#include "timestep/wavefronts.h"


namespace timestep {

namespace {

void recreateBeamArrays(int n) {
    using namespace scene;
    beam::recreateRayArrays(n);
    const std::size_t rays = std::size_t(n) + 1;
    beamEndX.assign(rays, 0);
    beamEndY.assign(rays, 0);
    beamOut.assign(rays, RayOut{});
}

void traceBeam(surface::Surface& s, float sourceX, float sourceY, int n) {
    using namespace scene;
    for (int i = 0; i <= n; ++i) {
        const optics::LensEntry e = beam::traceRay(i, n);
        guardedLine(s, sourceX, sourceY, e.x, e.y, s.ForeColor);
        guardedLine(s, e.x, e.y, beamExitX[i], beamExitY[i], s.ForeColor);
    }
}

void continueRays(surface::Surface& s, int n) {
    using namespace scene;
    for (int i = 0; i <= n; ++i) {
        if (!beam::leavesLens(i))
            continue;
        const bool drawn = continuation::continueBeamRay(beamExitX[i], beamExitY[i]);
        pragmatik::drawExitRefraction(beamExitX[i], beamExitY[i], beamEntryX[i], beamEntryY[i]);
        // A ray the continuation did not draw keeps an empty end and an all-zero beamOut,
        // so that nothing is drawn along a direction another ray left behind.
        if (!drawn)
            continue;
        beamOut[i] = rayOut;
        beamEndX[i] = rayEndX;
        beamEndY[i] = rayEndY;
        s.DrawWidth = 1;
        guardedPSet(s, beamEndX[i], beamEndY[i], s.ForeColor);
        s.DrawWidth = 1;
    }
}

} // namespace

void timeSteppedBeam(float sourceX, float sourceY, int n) {
    using namespace scene;
    Kovril& window = form();
    surface::Surface& s = window.surface();
    recreateBeamArrays(n);
    traceBeam(s, sourceX, sourceY, n);
    // The wavelets must stay outlines; the scene redraw leaves the fill solid.
    s.FillStyle = surface::FillMode::Transparent;
    continueRays(s, n);

    const float maxTime = beam::latestArrival(n);
    const float t = float(window.xronosmetato->Value() + double(maxTime));
    drawWavefronts(s, t, n);
    drawLensConstructions();
    s.FillStyle = surface::FillMode::Solid;
}

} // namespace timestep
