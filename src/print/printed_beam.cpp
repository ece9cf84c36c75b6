// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printed_beam.h"

#include "beam/beam.h"
#include "continuation/beam_ray.h"
#include "geometry/beam_trace.h"
#include "geometry/exit_angle.h"
#include "geometry/state.h"
#include "timestep/wavefronts.h"

#include <algorithm>

namespace print {

void printBeyondLens(surface::Surface& page, const geometry::Lens& lens, geometry::Source source,
                     int n, std::int16_t timeValue) {
    for (int i = 0; i <= n; ++i) {
        if (!geometry::leavesLens(lens, i))
            continue;
        // At exactly the critical angle the continuation finds total reflection and prints
        // nothing; such a ray keeps an all-zero beamOut rather than the rayOut an earlier
        // ray left, so that no wavelet follows another ray's direction.
        const continuation::ContinuedBeamRay ray = continuation::continueBeamRay(
            page, lens, source, geometry::beamExitX[i], geometry::beamExitY[i],
            continuation::BeamRayTarget::Page);
        if (ray.drawn)
            geometry::beamOut[i] = geometry::rayOut;
    }

    const float maxTime = geometry::latestArrival(n);
    const float t = float(timeValue + double(maxTime));
    timestep::drawWavefronts(page, lens, t, n);
}

void printBeam(surface::Surface& page, surface::Surface& window, const geometry::Lens& lens,
               geometry::Source source, int n, std::int16_t timeValue) {
    geometry::recreateRayArrays(n);
    geometry::beamOut.assign(std::size_t(std::max(0, n + 1)), geometry::RayOut{});
    beam::traceBeam(page, lens, source, n, false);
    window.FillStyle = surface::FillMode::Transparent;
    printBeyondLens(page, lens, source, n, timeValue);
    window.FillStyle = surface::FillMode::Solid;
}

} // namespace print
