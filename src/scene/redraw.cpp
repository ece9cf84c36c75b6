// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/redraw.h"

#include "geometry/lens.h"
#include "geometry/state.h"
#include "optics/lens_drawing.h"
#include "scene/kovril.h"
#include "scene/state.h"
#include "surface/format.h"
#include "surface/picture_inks.h"

#include <cmath>

namespace scene {

void redrawScene(Kovril& window) {
    surface::Surface& s = window.surface();
    const double w = std::abs(s.ScaleWidth());
    const double h = std::abs(s.ScaleHeight());
    geometry::widthFrac = float(w / (w + h));
    geometry::heightFrac = float(h / (w + h));

    const geometry::Lens& lens = window.lens();
    optics::LensDrawing drawing;
    drawing.axisHalfLength = 500.0 * geometry::widthFrac;
    drawing.rimDotsAt = lens.rimHeight();
    drawing.marker = lens.rearSurfacePoint(window.state().thesiy);
    drawing.markerWidth = surface::inks::yellowPointRim.width;
    drawing.markerOverArcs = true;
    drawing.fillSeed = QPoint(surface::toInteger(originPxX), surface::toInteger(originPxY));
    optics::drawLens(s, lens, drawing);
}

void drawFirstPicture(Kovril& window) {
    surface::Surface& s = window.surface();
    const geometry::Lens& lens = window.lens();
    optics::LensDrawing drawing;
    drawing.axisHalfLength = 500.0 * geometry::widthFrac;
    drawing.rimDotsAt = lens.halfHeight();
    drawing.marker = lens.pointBehindRearSurface(window.state().thesiy);
    drawing.fillSeed = QPoint(surface::toInteger(originPxX), surface::toInteger(originPxY));
    optics::drawLens(s, lens, drawing);
}

} // namespace scene
