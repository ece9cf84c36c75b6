#include "timestep/lens_constructions.h"

#include "geometry/cardinal_points.h"
#include "geometry/state.h"
#include "surface/guarded.h"
#include "timestep/pragmatik.h"

namespace timestep {

void drawLensConstructions(surface::Surface& s, geometry::Source source) {
    using surface::guardedLine;
    const double xs = source.x;
    const double ys = source.y;
    const geometry::ThinLensImage image = geometry::thinLensImage(geometry::curveRadius, xs, ys);
    const double f = image.fThin;

    s.DrawWidth = 15;
    surface::guardedPSet(s, image.x, image.y, QColor(0, 0, 255));
    surface::guardedPSet(s, f, 0, QColor(255, 0, 255));
    surface::guardedPSet(s, -f, 0, QColor(255, 0, 255));

    const QColor green(0, 255, 0);
    s.DrawWidth = 2;
    // Parallel to the axis up to the lens plane, then through the rear focal point and on
    // along the same line; and the undeviated ray through the lens centre.
    guardedLine(s, xs, ys, 0, ys, green);
    guardedLine(s, 0, ys, f, 0, green);
    guardedLine(s, f, 0, -2 * xs, (ys / f) * (f + 2 * xs), green);
    guardedLine(s, xs, ys, -3 * xs, -3 * ys, green);

    pragmatik::drawCardinalPoints(s, xs, ys);
    s.DrawWidth = 1;
}

} // namespace timestep
