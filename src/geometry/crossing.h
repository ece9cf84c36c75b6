// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where two circles cross, and where a ray leaves the drawing area: plain geometry
// for the continuations beyond the lens.
namespace geometry {

// The crossing points of two circles; all zero when they do not cross (or when their
// centres share an x, which the radical-line method cannot solve for, or when the points
// lie beyond the range of 32-bit floats).
struct CrossingPair {
    bool found = false;
    float x1 = 0; // the crossing with the larger y
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
};

struct BorderHit {
    float x = 0;
    float y = 0;
};

CrossingPair circleCrossing(double cx1, double cy1, double r1, double cx2, double cy2, double r2);

// Where the ray from (x0, y0) in direction (dx, dy) meets the border of the window's
// area (±halfWidth, ±halfHeight); (0, 0) for no direction, and for a start or direction
// that puts the point beyond the range of 32-bit floats. On a corner the side edge wins.
BorderHit borderPoint(double x0, double y0, double dx, double dy);

} // namespace geometry
