#include "timestep/lens_constructions.h"

#include "scene/guarded.h"
#include "scene/kovril.h"
#include "scene/state.h"
#include "timestep/pragmatik.h"

namespace timestep {

ThinLensImage thinLensImage(double radius, double xs, double ys) {
    ThinLensImage image;
    image.fThin = float(radius / 2);
    image.x = 1 / (1 / xs + 1 / double(image.fThin));
    image.y = ys * image.x / xs;
    return image;
}

void drawLensConstructions() {
    using scene::guardedLine;
    Kovril& window = scene::form();
    surface::Surface& s = window.surface();
    const double xs = window.kyklos->centreX();
    const double ys = window.kyklos->centreY();
    const ThinLensImage image = thinLensImage(scene::curveRadius, xs, ys);
    const double f = image.fThin;

    s.DrawWidth = 15;
    scene::guardedPSet(s, image.x, image.y, QColor(0, 0, 255));
    scene::guardedPSet(s, f, 0, QColor(255, 0, 255));
    scene::guardedPSet(s, -f, 0, QColor(255, 0, 255));

    const QColor green(0, 255, 0);
    s.DrawWidth = 2;
    // Parallel to the axis up to the lens plane, then through the rear focal point and on
    // along the same line; and the undeviated ray through the lens centre.
    guardedLine(s, xs, ys, 0, ys, green);
    guardedLine(s, 0, ys, f, 0, green);
    guardedLine(s, f, 0, -2 * xs, (ys / f) * (f + 2 * xs), green);
    guardedLine(s, xs, ys, -3 * xs, -3 * ys, green);

    pragmatik::drawCardinalPoints(xs, ys);
    s.DrawWidth = 1;
}

} // namespace timestep
