// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/surface.h"

#include <QPoint>

#include <optional>

namespace optics {

// How one picture of the lens differs from another: the first picture, every redraw and
// the printed page draw the same lens with these differences.
struct LensDrawing {
    double axisHalfLength = 0;       // the red axis runs from -this to +this
    std::optional<double> rimDotsAt; // y of the thick dots on the rims; none on the page
    geometry::Point marker;          // centre of the yellow marker at the rear surface
    int markerWidth = 1;             // its pen width
    bool markerOverArcs = false;     // the redraw puts it on the surface after the outline
    std::optional<QPoint> fillSeed;  // image pixel the lens is filled from; none on paper
};

// Draws the axis, the centres of curvature (filled by the surface's fill style), the rim
// dots, the yellow marker, the black outline (an arc for each curved face, a segment for a
// flat one, and the flat edges where the aperture cuts the lens) and, on the window, fills
// the lens from its inside point up to its outline and shows the picture. Leaves DrawWidth 1
// and the lens colour as FillColor; the fill leaves FillStyle solid.
void drawLens(surface::Surface& s, const geometry::Lens& lens, const LensDrawing& drawing);

} // namespace optics
