// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/crossing.h"

#include "geometry/helpers.h"
#include "geometry/state.h"

#include <cmath>

namespace geometry {

CrossingPair circleCrossing(double cx1, double cy1, double r1, double cx2, double cy2, double r2) {
    const double dx = cx1 - cx2;
    const double dy = cy1 - cy2;
    const double k = (cx1 * cx1 - cx2 * cx2) + (cy1 * cy1 - cy2 * cy2) + (r2 * r2 - r1 * r1);
    if (dx == 0)
        return {};
    // On the radical line 2·dx·x + 2·dy·y = k, x − cx1 = c − m·y.
    const double m = dy / dx;
    const double c = k / (2 * dx) - cx1;
    const double d = r1 * r1 * (1 + m * m) - (c - m * cy1) * (c - m * cy1);
    if (!(d >= 0)) // no crossing, or arguments that make no circle
        return {};
    CrossingPair pair;
    pair.found = true;
    pair.y1 = float((cy1 + c * m + std::sqrt(d)) / (1 + m * m));
    pair.y2 = float((cy1 + c * m - std::sqrt(d)) / (1 + m * m));
    pair.x1 = float((k - 2 * dy * pair.y1) / (2 * dx));
    pair.x2 = float((k - 2 * dy * pair.y2) / (2 * dx));
    // Circles too large for 32-bit floats give no points to draw or to measure from.
    if (!std::isfinite(pair.x1) || !std::isfinite(pair.y1) || !std::isfinite(pair.x2) ||
        !std::isfinite(pair.y2))
        return {};
    return pair;
}

namespace {

BorderHit borderCrossing(double x0, double y0, double dx, double dy) {
    const double w = halfWidth;
    const double h = halfHeight;
    auto nearer = [&](double ex, double ey, double sx, double sy) {
        // The edge crossing (ex, ey) against the side crossing (sx, sy); a tie goes to the side.
        if (pointDistance(x0, y0, ex, ey) < pointDistance(x0, y0, sx, sy))
            return BorderHit{float(ex), float(ey)};
        return BorderHit{float(sx), float(sy)};
    };
    auto atHeight = [&](double y) { return x0 + (y - y0) * dx / dy; };
    auto atWidth = [&](double x) { return y0 + (x - x0) * dy / dx; };
    if (dx > 0 && dy > 0)
        return nearer(atHeight(h), h, w, atWidth(w));
    if (dx > 0 && dy < 0)
        return nearer(atHeight(-h), -h, w, atWidth(w));
    if (dx < 0 && dy > 0)
        return nearer(atHeight(h), h, -w, atWidth(-w));
    if (dx < 0 && dy < 0)
        return nearer(atHeight(-h), -h, -w, atWidth(-w));
    if (dx == 0 && dy > 0)
        return {float(x0), float(h)};
    if (dx == 0 && dy < 0)
        return {float(x0), float(-h)};
    if (dx > 0 && dy == 0)
        return {float(w), float(y0)};
    if (dx < 0 && dy == 0)
        return {float(-w), float(y0)};
    return {};
}

} // namespace

BorderHit borderPoint(double x0, double y0, double dx, double dy) {
    const BorderHit hit = borderCrossing(x0, y0, dx, dy);
    // A start or direction beyond all measure has no border point to draw to.
    if (!std::isfinite(hit.x) || !std::isfinite(hit.y))
        return {};
    return hit;
}

} // namespace geometry
