// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/time_profile.h"

#include "geometry/helpers.h"
#include "geometry/lens.h"

#include <algorithm>
#include <cmath>

namespace geometry {

TimeProfile timeProfile(const Lens& lens, Source source, double v, int sampleCount) {
    const Point target = lens.rearSurfacePoint(v);
    TimeProfile profile;
    const LensSearch search = traceLensEntry(lens, source.x, source.y, target.x, target.y,
                                             StepTest::Single, profile.steps);
    profile.rim = lens.halfHeight();
    profile.low = -profile.rim;
    profile.high = profile.rim;
    if (search.found) {
        profile.minimum = ProfileSample{search.y, search.time};
        profile.low = std::min(profile.low, search.y);
        profile.high = std::max(profile.high, search.y);
    }
    const int count = std::max(sampleCount, 2);
    profile.samples.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        // The last one exactly at the top, where the minimum may lie.
        const double y = i == count - 1
                             ? profile.high
                             : profile.low + (profile.high - profile.low) * i / (count - 1);
        const Point p = lens.frontSurfacePoint(y);
        profile.samples.push_back(
            {y, pathTime(lens, source.x, source.y, p.x, p.y, target.x, target.y)});
    }
    return profile;
}

ProfileSample trialSample(const Lens& lens, Point source, Point bluePoint, double v) {
    const Point target = lens.rearSurfacePoint(v);
    return {bluePoint.y,
            pathTime(lens, source.x, source.y, bluePoint.x, bluePoint.y, target.x, target.y)};
}

} // namespace geometry
