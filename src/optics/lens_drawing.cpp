// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/lens_drawing.h"

#include "geometry/lens.h"
#include "geometry/state.h"
#include "surface/picture_inks.h"

#include <cmath>
#include <numbers>

namespace optics {

namespace {

void drawMarker(surface::Surface& s, const LensDrawing& lens) {
    s.FillColor = surface::inks::yellowPoint.color;
    s.DrawWidth = lens.markerWidth;
    s.Circle(lens.marker.x, lens.marker.y, 1.5, surface::inks::lensOutline.color);
}

// The lens's outline: the front arc from the upper rim down, then the rear arc back up.
QPolygonF lensOutline() {
    const double c = geometry::curveCentreX;
    const double r = geometry::curveRadius;
    const double theta = geometry::rimAngle();
    constexpr int steps = 180;
    QPolygonF outline;
    for (int i = 0; i <= steps; ++i) {
        const double a = std::numbers::pi - theta + 2 * theta * i / steps;
        outline << QPointF(c + r * std::cos(a), r * std::sin(a));
    }
    for (int i = 0; i <= steps; ++i) {
        const double a = -theta + 2 * theta * i / steps;
        outline << QPointF(-c + r * std::cos(a), r * std::sin(a));
    }
    return outline;
}

} // namespace

void drawLens(surface::Surface& s, const LensDrawing& lens) {
    const double c = geometry::curveCentreX;
    const double r = geometry::curveRadius;
    if (lens.rimDotsAt) {
        s.DrawWidth = surface::inks::rimDots.width;
        s.PSet(0, *lens.rimDotsAt);
        s.PSet(0, -*lens.rimDotsAt);
        s.DrawWidth = 1;
    }
    s.Line(-lens.axisHalfLength, 0, lens.axisHalfLength, 0, surface::inks::axis.color);
    s.Circle(-c, 0, 2);
    s.Circle(c, 0, 2);
    if (!lens.markerOverArcs)
        drawMarker(s, lens);
    s.Arc(c, 0, r, geometry::leftArcStart, geometry::leftArcEnd, s.ForeColor);
    s.Arc(-c, 0, r, geometry::rightArcStart, geometry::rightArcEnd, s.ForeColor);
    if (lens.markerOverArcs)
        drawMarker(s, lens);
    s.DrawWidth = 1;
    s.FillColor = surface::inks::lensFill.color;
    if (!lens.fillSeed)
        return;
    s.FillStyle = surface::FillMode::Solid;
    if (s.hasImage()) {
        // The outline is closed and pure black, so the fill stays inside the lens.
        s.FloodFill(lens.fillSeed->x(), lens.fillSeed->y(), surface::inks::lensOutline.color);
    } else {
        // Vectors have no pixels to flood: the lens is filled as a shape, and its outline
        // drawn again over the fill.
        s.FillPolygon(lensOutline(), surface::inks::lensFill.color);
        s.Arc(c, 0, r, geometry::leftArcStart, geometry::leftArcEnd, s.ForeColor);
        s.Arc(-c, 0, r, geometry::rightArcStart, geometry::rightArcEnd, s.ForeColor);
    }
    s.Refresh();
}

} // namespace optics
