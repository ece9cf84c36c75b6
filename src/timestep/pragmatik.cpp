// SPDX-License-Identifier: GPL-3.0-or-later
#include "timestep/pragmatik.h"

#include "geometry/cardinal_points.h"
#include "surface/guarded.h"
#include "surface/picture_inks.h"

#include <cmath>

namespace pragmatik {

void drawExitRefraction(surface::Surface& s, const geometry::Lens& lens, double exitX, double exitY,
                        double entryX, double entryY) {
    const std::optional<double> alpha =
        geometry::exitRefraction(lens, exitX, exitY, entryX, entryY);
    if (!alpha)
        return;
    s.DrawStyle = surface::PenStyle::Solid;
    s.DrawWidth = 1;
    surface::guardedLine(s, exitX, exitY, exitX + 300, exitY + 300 * std::tan(*alpha),
                         surface::inks::exitRefraction.color);
    s.DrawStyle = surface::PenStyle::Solid;
}

void drawCardinalPoints(surface::Surface& s, const geometry::Lens& lens, double xs, double ys) {
    using surface::guardedLine;
    using surface::guardedPSet;
    const geometry::CardinalPoints p = geometry::cardinalPoints(lens);
    if (!p.focussing)
        return; // a lens without power has no foci or principal planes to show

    s.DrawStyle = surface::inks::principalPlanes.style;
    s.DrawWidth = surface::inks::principalPlanes.width;
    guardedLine(s, p.h1, -200, p.h1, 200, s.ForeColor);
    guardedLine(s, p.h2, -200, p.h2, 200, s.ForeColor);
    s.DrawStyle = surface::PenStyle::Solid;

    using surface::inks::nodalPoints;
    using surface::inks::thickLensFoci;
    s.DrawWidth = thickLensFoci.width;
    guardedPSet(s, p.f1, 0, thickLensFoci.color);
    guardedPSet(s, p.f2, 0, thickLensFoci.color);
    s.DrawWidth = nodalPoints.width;
    guardedPSet(s, p.n1, 0, nodalPoints.color);
    guardedPSet(s, p.n2, 0, nodalPoints.color);

    const geometry::ThickLensImage image = geometry::thickLensImage(p, xs, ys);
    const QColor& cyan = surface::inks::thickLensRays.color;
    s.DrawWidth = surface::inks::thickLensRays.width;
    // Parallel to the axis up to H2 and out through F2; through F1 up to H1 and out
    // parallel; aimed at N1 and out of N2 parallel to its way in.
    guardedLine(s, xs, ys, p.h2, ys, cyan);
    guardedLine(s, xs, ys, p.h1, image.yA, cyan);
    guardedLine(s, p.h1, image.yA, 300, image.yA, cyan);
    guardedLine(s, p.h2, ys, 500, ys + image.m2 * (500 - p.h2), cyan);
    guardedLine(s, xs, ys, p.n1, 0, cyan);
    guardedLine(s, p.n2, 0, 500, image.m3 * (500 - p.n2), cyan);

    s.DrawWidth = surface::inks::thickLensImage.width;
    guardedPSet(s, image.x, image.y, surface::inks::thickLensImage.color);
    s.DrawWidth = 1;

    s.FontSize = 13;
    const struct {
        const char* text;
        double x, y;
    } labels[] = {{"H1", p.h1, 150}, {"H2", p.h2, 150}, {"F1", p.f1, -2},
                  {"F2", p.f2, -2},  {"N1", p.n1, -2},  {"N2", p.n2, -2}};
    for (const auto& label : labels) {
        s.CurrentX = label.x;
        s.CurrentY = label.y;
        s.Print(QString::fromLatin1(label.text));
    }
    s.FontSize = 10;
    s.DrawWidth = 1;
}

} // namespace pragmatik
