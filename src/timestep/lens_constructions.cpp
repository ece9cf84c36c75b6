// SPDX-License-Identifier: GPL-3.0-or-later
#include "timestep/lens_constructions.h"

#include "geometry/cardinal_points.h"
#include "surface/guarded.h"
#include "surface/picture_inks.h"
#include "timestep/pragmatik.h"

namespace timestep {

void drawLensConstructions(surface::Surface& s, const geometry::Lens& lens,
                           geometry::Source source) {
    using surface::guardedLine;
    const double xs = source.x;
    const double ys = source.y;
    const geometry::ThinLensImage image = geometry::thinLensImage(lens, xs, ys);
    const double f = image.fThin;

    using surface::inks::thinLensFoci;
    using surface::inks::thinLensImage;
    s.DrawWidth = thinLensImage.width;
    surface::guardedPSet(s, image.x, image.y, thinLensImage.color);
    s.DrawWidth = thinLensFoci.width;
    surface::guardedPSet(s, f, 0, thinLensFoci.color);
    surface::guardedPSet(s, -f, 0, thinLensFoci.color);

    const QColor& green = surface::inks::thinLensRays.color;
    s.DrawWidth = surface::inks::thinLensRays.width;
    // Parallel to the axis up to the lens plane, then through the rear focal point and on
    // along the same line; and the undeviated ray through the lens centre.
    guardedLine(s, xs, ys, 0, ys, green);
    guardedLine(s, 0, ys, f, 0, green);
    guardedLine(s, f, 0, -2 * xs, (ys / f) * (f + 2 * xs), green);
    guardedLine(s, xs, ys, -3 * xs, -3 * ys, green);

    pragmatik::drawCardinalPoints(s, lens, xs, ys);
    s.DrawWidth = 1;
}

} // namespace timestep
