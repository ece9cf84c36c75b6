// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"

#include <optional>

// The thin and the thick lens as textbooks construct them, and Snell's law where a beam ray
// leaves the rear surface.
namespace geometry {

// The cardinal points of a thick lens in air, as x on the axis. A lens without power (index
// 1, or two flat faces) has vertices only.
struct CardinalPoints {
    double thickness = 0;
    double v1 = 0, v2 = 0;  // front and rear vertices
    bool focussing = false; // the focal length is finite: the points below exist
    double f = 0;           // effective focal length, negative for a diverging lens
    double h1 = 0, h2 = 0;  // principal points
    double n1 = 0, n2 = 0;  // nodal points
    double f1 = 0, f2 = 0;  // focal points
};

CardinalPoints cardinalPoints(const Lens& lens);

// The construction rays from a source at (xs, ys): the slopes of the ray through F1, of
// the parallel ray leaving through F2 and of the ray aimed at N1, the height yA at which
// the first leaves H1 parallel to the axis, and the image where the second reaches that
// height. Not finite for a source on the axis or at F1.
struct ThickLensImage {
    double m1 = 0, m2 = 0, m3 = 0;
    double yA = 0;
    double x = 0, y = 0;
};

ThickLensImage thickLensImage(const CardinalPoints& points, double xs, double ys);

// The thin-lens image of a source at (xs, ys): v = 1 / (1/xs + 1/fThin) and the height by
// the magnification v / xs. Not finite for a source at x = 0 or at x = -fThin.
struct ThinLensImage {
    float fThin = 0; // 1 / ((n - 1) (1/R1 + 1/R2)): the lensmaker's focal length
    double x = 0;
    double y = 0;
};

ThinLensImage thinLensImage(const Lens& lens, double xs, double ys);

// The direction, by Snell's law, of the ray leaving the rear surface at the exit point
// that came from the entry point; none beyond the critical angle. Refreshes pi.
std::optional<double> exitRefraction(const Lens& lens, double exitX, double exitY, double entryX,
                                     double entryY);

} // namespace geometry
