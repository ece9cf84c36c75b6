// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/guarded.h"

#include "geometry/state.h"

#include <algorithm>
#include <cmath>

namespace surface {

namespace {

double boxHalfWidth() {
    return 10.0 * geometry::halfWidth;
}

double boxHalfHeight() {
    return 10.0 * geometry::halfHeight;
}

// False for NaN and infinities as well: every comparison with NaN fails.
bool insideBox(double x, double y) {
    return std::abs(x) <= boxHalfWidth() && std::abs(y) <= boxHalfHeight();
}

// Narrows [t0, t1] of the segment p + t·d to where offset + t·delta stays within ±limit
// (Liang–Barsky); false when nothing is left.
bool clipAxis(double offset, double delta, double limit, double& t0, double& t1) {
    if (delta == 0)
        return std::abs(offset) <= limit;
    double enter = (-limit - offset) / delta;
    double leave = (limit - offset) / delta;
    if (enter > leave)
        std::swap(enter, leave);
    t0 = std::max(t0, enter);
    t1 = std::min(t1, leave);
    return t0 <= t1;
}

} // namespace

void guardedLine(Surface& s, double x1, double y1, double x2, double y2, QColor color) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0;
    double t1 = 1;
    if (!clipAxis(x1, dx, boxHalfWidth(), t0, t1) || !clipAxis(y1, dy, boxHalfHeight(), t0, t1))
        return;
    // Ends inside the box are handed on untouched, so that unclipped lines stay exact;
    // clipped ends are held on the box against rounding.
    auto clipped = [&](double t, double& x, double& y) {
        x = std::clamp(x1 + t * dx, -boxHalfWidth(), boxHalfWidth());
        y = std::clamp(y1 + t * dy, -boxHalfHeight(), boxHalfHeight());
    };
    double sx = x1, sy = y1, ex = x2, ey = y2;
    if (t0 > 0)
        clipped(t0, sx, sy);
    if (t1 < 1)
        clipped(t1, ex, ey);
    s.Line(sx, sy, ex, ey, color);
}

void guardedPSet(Surface& s, double x, double y, QColor color) {
    if (!insideBox(x, y))
        return;
    s.PSet(x, y, color);
}

void guardedCircle(Surface& s, double x, double y, double radius, QColor color) {
    if (!insideBox(x, y) || !(std::abs(radius) <= std::max(boxHalfWidth(), boxHalfHeight())))
        return;
    s.Circle(x, y, radius, color);
}

} // namespace surface
