// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/arrowhead.h"

#include "surface/picture_inks.h"

#include <cmath>
#include <numbers>

namespace surface {

void drawArrowhead(Surface& s, double x1, double y1, double x2, double y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    const QPointF from = s.toPaint(x1, y1);
    const QPointF to = s.toPaint(x2, y2);
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const double size = inks::directionArrowSize;
    if (length < 2 * size)
        return;
    const QPointF middle = (from + to) / 2;
    const QPointF unit = along / length;
    const double half = inks::directionArrowHalfAngle * std::numbers::pi / 180;
    const int width = s.DrawWidth;
    s.DrawWidth = inks::directionArrow.width;
    const QPointF tip = s.fromPaint(middle);
    for (const double turn : {half, -half}) {
        const QPointF back(unit.x() * std::cos(turn) - unit.y() * std::sin(turn),
                           unit.x() * std::sin(turn) + unit.y() * std::cos(turn));
        const QPointF wing = s.fromPaint(middle - size * back);
        s.Line(tip.x(), tip.y(), wing.x(), wing.y(), inks::directionArrow.color);
    }
    s.DrawWidth = width;
}

} // namespace surface
