// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"
#include "geometry/search.h"

#include <optional>
#include <vector>

// The travel time of every path source -> front-surface point at height y -> the yellow
// point, as a curve over y: the least-time idea made visible.
namespace geometry {

struct ProfileSample {
    double y = 0;
    double time = 0;
};

struct TimeProfile {
    double low = 0; // the heights the curve spans: rim to rim, and the minimum beyond a rim
    double high = 0;
    double rim = 0;                     // height of the upper rim; the lower one is its negative
    std::vector<ProfileSample> samples; // evenly spaced from low to high, both included
    // The least-time point as the button's search finds it; none when the search gives up.
    std::optional<ProfileSample> minimum;
    std::vector<SearchStep> steps; // every point that search evaluated, in order
};

// The profile for the source and the yellow point at height v of the rear surface, with
// sampleCount >= 2 samples.
TimeProfile timeProfile(const Lens& lens, Source source, double v, int sampleCount);

// The travel time of the trial path through the blue point at its place on the front
// surface, as the window reports it for a trial move.
ProfileSample trialSample(const Lens& lens, Point source, Point bluePoint, double v);

} // namespace geometry
