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

    const double c = geometry::curveCentreX;
    const double r = geometry::curveRadius;
    optics::LensDrawing lens;
    lens.axisHalfLength = 500.0 * geometry::widthFrac;
    lens.rimDotsAt = std::sqrt(r * r - c * c);
    lens.marker = geometry::rearSurfacePoint(window.state().thesiy);
    lens.markerWidth = surface::inks::yellowPointRim.width;
    lens.markerOverArcs = true;
    lens.fillSeed = QPoint(surface::toInteger(originPxX), surface::toInteger(originPxY));
    optics::drawLens(s, lens);
}

void drawFirstPicture(Kovril& window) {
    surface::Surface& s = window.surface();
    optics::LensDrawing lens;
    lens.axisHalfLength = 500.0 * geometry::widthFrac;
    lens.rimDotsAt = geometry::lensHalfHeight;
    lens.marker = geometry::pointBehindRearSurface(window.state().thesiy);
    lens.fillSeed = QPoint(surface::toInteger(originPxX), surface::toInteger(originPxY));
    optics::drawLens(s, lens);
}

} // namespace scene
