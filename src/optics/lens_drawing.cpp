// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/lens_drawing.h"

#include "geometry/lens.h"
#include "surface/picture_inks.h"

#include <cmath>
#include <numbers>

namespace optics {

namespace {

void drawMarker(surface::Surface& s, const LensDrawing& drawing) {
    s.FillColor = surface::inks::yellowPoint.color;
    s.DrawWidth = drawing.markerWidth;
    s.Circle(drawing.marker.x, drawing.marker.y, 1.5, surface::inks::lensOutline.color);
}

// The lens's outline: the front arc from the upper rim down, then the rear arc back up.
QPolygonF lensOutline(const geometry::Lens& lens) {
    const double c = lens.curveCentreX();
    const double r = lens.curveRadius();
    const double theta = lens.rimAngle();
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

void drawLens(surface::Surface& s, const geometry::Lens& lens, const LensDrawing& drawing) {
    const double c = lens.curveCentreX();
    const double r = lens.curveRadius();
    if (drawing.rimDotsAt) {
        s.DrawWidth = surface::inks::rimDots.width;
        s.PSet(0, *drawing.rimDotsAt);
        s.PSet(0, -*drawing.rimDotsAt);
        s.DrawWidth = 1;
    }
    s.Line(-drawing.axisHalfLength, 0, drawing.axisHalfLength, 0, surface::inks::axis.color);
    s.Circle(-c, 0, 2);
    s.Circle(c, 0, 2);
    if (!drawing.markerOverArcs)
        drawMarker(s, drawing);
    s.Arc(c, 0, r, lens.leftArcStart(), lens.leftArcEnd(), s.ForeColor);
    s.Arc(-c, 0, r, lens.rightArcStart(), lens.rightArcEnd(), s.ForeColor);
    if (drawing.markerOverArcs)
        drawMarker(s, drawing);
    s.DrawWidth = 1;
    s.FillColor = surface::inks::lensFill.color;
    if (!drawing.fillSeed)
        return;
    s.FillStyle = surface::FillMode::Solid;
    if (s.hasImage()) {
        // The outline is closed and pure black, so the fill stays inside the lens.
        s.FloodFill(drawing.fillSeed->x(), drawing.fillSeed->y(), surface::inks::lensOutline.color);
    } else {
        // Vectors have no pixels to flood: the lens is filled as a shape, and its outline
        // drawn again over the fill.
        s.FillPolygon(lensOutline(lens), surface::inks::lensFill.color);
        s.Arc(c, 0, r, lens.leftArcStart(), lens.leftArcEnd(), s.ForeColor);
        s.Arc(-c, 0, r, lens.rightArcStart(), lens.rightArcEnd(), s.ForeColor);
    }
    s.Refresh();
}

} // namespace optics
