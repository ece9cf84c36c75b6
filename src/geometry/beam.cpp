// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/beam.h"

#include <algorithm>

namespace geometry {

Beam startBeam(int n, BeamReach reach) {
    Beam beam;
    beam.reach = reach;
    beam.rays.assign(std::size_t(std::max(0, n + 1)), BeamRay{});
    return beam;
}

ContinuationLeft continuationLeft() {
    return {rayEndX, rayEndY, rayOut, sineRatio};
}

float latestArrival(const Beam& beam) {
    float latest = 0;
    for (const BeamRay& ray : beam.rays)
        if (ray.time > latest)
            latest = ray.time;
    return latest;
}

void shareBeam(const Beam& beam) {
    const std::size_t n = beam.rays.size();
    beamExitX.resize(n);
    beamExitY.resize(n);
    beamEntryX.resize(n);
    beamEntryY.resize(n);
    beamTime.resize(n);
    if (beam.reach != BeamReach::ThroughLens)
        beamOut.resize(n);
    if (beam.reach == BeamReach::ContinuedOnWindow) {
        beamEndX.resize(n);
        beamEndY.resize(n);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const BeamRay& ray = beam.rays[i];
        beamExitX[i] = ray.exitX;
        beamExitY[i] = ray.exitY;
        beamEntryX[i] = ray.entryX;
        beamEntryY[i] = ray.entryY;
        beamTime[i] = ray.time;
        if (beam.reach != BeamReach::ThroughLens)
            beamOut[i] = ray.out;
        if (beam.reach == BeamReach::ContinuedOnWindow) {
            beamEndX[i] = ray.endX;
            beamEndY[i] = ray.endY;
        }
    }
    rayEndX = beam.left.rayEndX;
    rayEndY = beam.left.rayEndY;
    rayOut = beam.left.rayOut;
    sineRatio = beam.left.sineRatio;
}

Beam sharedBeam() {
    Beam beam = startBeam(int(beamExitX.size()) - 1, BeamReach::ThroughLens);
    for (std::size_t i = 0; i < beam.rays.size(); ++i) {
        BeamRay& ray = beam.rays[i];
        ray.exitX = beamExitX[i];
        ray.exitY = beamExitY[i];
        ray.entryX = i < beamEntryX.size() ? beamEntryX[i] : 0;
        ray.entryY = i < beamEntryY.size() ? beamEntryY[i] : 0;
        ray.time = i < beamTime.size() ? beamTime[i] : 0;
        ray.out = i < beamOut.size() ? beamOut[i] : RayOut{};
        ray.endX = i < beamEndX.size() ? beamEndX[i] : 0;
        ray.endY = i < beamEndY.size() ? beamEndY[i] : 0;
    }
    beam.left = continuationLeft();
    return beam;
}

} // namespace geometry
