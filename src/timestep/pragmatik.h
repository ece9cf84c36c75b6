// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"
#include "surface/surface.h"

// The thick lens as it really is: Snell's law at the rear surface, and the cardinal
// points with the textbook image construction.
namespace pragmatik {

// The ray refracted by Snell's law where a beam ray leaves the rear surface: a dark-green
// segment 300 units long in x; nothing beyond the critical angle. Leaves DrawWidth 1.
void drawExitRefraction(surface::Surface& s, const geometry::Lens& lens, double exitX, double exitY,
                        double entryX, double entryY);

// The principal planes, the focal and nodal points with their labels, the three
// construction rays from the source at (xs, ys) and the image point.
void drawCardinalPoints(surface::Surface& s, const geometry::Lens& lens, double xs, double ys);

} // namespace pragmatik
