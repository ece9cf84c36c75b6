// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/time_profile.h"
#include "surface/surface.h"

#include <optional>

namespace profile {

struct PlotMarks {
    std::optional<geometry::ProfileSample> trial; // the blue point, when it is on the surface
    bool steps = false;                           // every point the search evaluated, numbered
    bool captions = false; // the minimum's and the blue point's texts above the plot (pages)
};

// Clears the surface and draws the travel time over the height of the entry point: axes
// with ticks, numbers and titles, the rims, the curve, the minimum and the marks asked for.
// Sets the surface's frame to the plot's own.
void drawTimeProfile(surface::Surface& s, const geometry::TimeProfile& profile,
                     const PlotMarks& marks);

} // namespace profile
