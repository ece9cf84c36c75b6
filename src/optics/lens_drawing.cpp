// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/lens_drawing.h"

#include "geometry/lens.h"
#include "surface/picture_inks.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace optics {

namespace {

void drawMarker(surface::Surface& s, const LensDrawing& drawing) {
    s.FillColor = surface::inks::yellowPoint.color;
    s.DrawWidth = drawing.markerWidth;
    s.Circle(drawing.marker.x, drawing.marker.y, 1.5, surface::inks::lensOutline.color);
}

// One face of the outline, from the upper rim down (downwards) or from the lower rim up.
void addFace(QPolygonF& outline, const geometry::LensFace& face, double rim, bool downwards) {
    if (face.flat) {
        outline << QPointF(face.vertexX, downwards ? rim : -rim)
                << QPointF(face.vertexX, downwards ? -rim : rim);
        return;
    }
    const double c = face.centreX;
    const double r = face.radius;
    const double theta = face.rimAngle;
    // Counter-clockwise about a centre on the right runs down the face; on the left, up.
    const bool counterClockwise = downwards == face.centreOnRight;
    const double first = face.centreOnRight ? std::numbers::pi - theta : -theta;
    const double from = counterClockwise ? first : first + 2 * theta;
    const double sweep = counterClockwise ? 2 * theta : -2 * theta;
    constexpr int steps = 180;
    for (int i = 0; i <= steps; ++i) {
        const double a = from + sweep * i / steps;
        outline << QPointF(c + r * std::cos(a), r * std::sin(a));
    }
}

// The lens's outline: the front face from the upper rim down, then the rear face back up.
QPolygonF lensOutline(const geometry::Lens& lens) {
    QPolygonF outline;
    addFace(outline, lens.front(), lens.rimHeight(), true);
    addFace(outline, lens.rear(), lens.rimHeight(), false);
    return outline;
}

void drawFace(surface::Surface& s, const geometry::LensFace& face, double rim) {
    if (face.flat)
        s.Line(face.vertexX, -rim, face.vertexX, rim, s.ForeColor);
    else
        s.Arc(face.centreX, 0, face.radius, face.arcStart, face.arcEnd, s.ForeColor);
}

// Both faces and, where the aperture cuts the lens before its faces meet, the flat edges.
void drawFaces(surface::Surface& s, const geometry::Lens& lens) {
    drawFace(s, lens.front(), lens.halfHeight());
    drawFace(s, lens.rear(), lens.halfHeight());
    if (lens.edgeThickness() > 0) {
        const double h = lens.halfHeight();
        s.Line(lens.front().rimX, h, lens.rear().rimX, h, s.ForeColor);
        s.Line(lens.front().rimX, -h, lens.rear().rimX, -h, s.ForeColor);
    }
}

// The fill's seeds: the given pixel moved by as much as the lens's inside point lies from
// the origin. A lens thicker away from the axis is filled from there, above and below, as
// its thin waist may part the two halves.
std::vector<QPoint> fillSeeds(const surface::Surface& s, const geometry::Lens& lens,
                              QPoint origin) {
    const geometry::Point inside = lens.insidePoint();
    const QPoint above = origin + QPointF(s.ScaleX(inside.x), s.ScaleY(inside.y)).toPoint();
    if (inside.y == 0)
        return {above};
    return {above, origin + QPointF(s.ScaleX(inside.x), s.ScaleY(-inside.y)).toPoint()};
}

void drawCentres(surface::Surface& s, const geometry::Lens& lens) {
    for (const geometry::LensFace* face : {&lens.rear(), &lens.front()})
        if (!face->flat)
            s.Circle(face->centreX, 0, 2);
}

} // namespace

void drawLens(surface::Surface& s, const geometry::Lens& lens, const LensDrawing& drawing) {
    if (drawing.rimDotsAt) {
        s.DrawWidth = surface::inks::rimDots.width;
        const double x = (lens.front().rimX + lens.rear().rimX) / 2;
        s.PSet(x, *drawing.rimDotsAt);
        s.PSet(x, -*drawing.rimDotsAt);
        s.DrawWidth = 1;
    }
    s.Line(-drawing.axisHalfLength, 0, drawing.axisHalfLength, 0, surface::inks::axis.color);
    drawCentres(s, lens);
    if (!drawing.markerOverArcs)
        drawMarker(s, drawing);
    drawFaces(s, lens);
    if (drawing.markerOverArcs)
        drawMarker(s, drawing);
    s.DrawWidth = 1;
    s.FillColor = surface::inks::lensFill.color;
    if (!drawing.fillSeed)
        return;
    s.FillStyle = surface::FillMode::Solid;
    if (s.hasImage()) {
        // The outline is closed and pure black, so the fill stays inside the lens.
        for (const QPoint& seed : fillSeeds(s, lens, *drawing.fillSeed))
            s.FloodFill(seed.x(), seed.y(), surface::inks::lensOutline.color);
    } else {
        // Vectors have no pixels to flood: the lens is filled as a shape, and its outline
        // drawn again over the fill.
        s.FillPolygon(lensOutline(lens), surface::inks::lensFill.color);
        drawFaces(s, lens);
    }
    s.Refresh();
}

} // namespace optics
