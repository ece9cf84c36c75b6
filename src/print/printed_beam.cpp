// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printed_beam.h"

#include "beam/beam.h"
#include "continuation/beam_ray.h"
#include "geometry/exit_angle.h"
#include "geometry/state.h"
#include "timestep/wavefronts.h"

namespace print {

void printBeyondLens(surface::Surface& page, const geometry::Lens& lens, geometry::Source source,
                     geometry::Beam beam, std::int16_t timeValue, const geometry::Layers& layers) {
    beam.reach = geometry::BeamReach::ContinuedOnPage;
    for (geometry::BeamRay& ray : beam.rays) {
        if (!geometry::leavesLens(lens, ray))
            continue;
        // At exactly the critical angle the continuation finds total reflection and prints
        // nothing; such a ray keeps an all-zero record rather than the rayOut an earlier
        // ray left, so that no wavelet follows another ray's direction.
        const continuation::ContinuedBeamRay continued = continuation::continueBeamRay(
            page, lens, source, ray.exitX, ray.exitY, continuation::BeamRayTarget::Page, layers);
        if (continued.drawn)
            ray.out = geometry::rayOut;
    }
    beam.left = geometry::continuationLeft();
    geometry::shareBeam(beam);

    const float maxTime = geometry::latestArrival(beam);
    const float t = float(timeValue + double(maxTime));
    if (layers.wavefronts)
        timestep::drawWavefronts(page, lens, beam, t);
}

void printBeam(surface::Surface& page, surface::Surface& window, const geometry::Lens& lens,
               geometry::Source source, int n, std::int16_t timeValue,
               const geometry::Layers& layers) {
    const geometry::Beam beam = beam::traceBeam(page, lens, source, n, false, layers);
    window.FillStyle = surface::FillMode::Transparent;
    printBeyondLens(page, lens, source, beam, timeValue, layers);
    window.FillStyle = surface::FillMode::Solid;
}

} // namespace print
