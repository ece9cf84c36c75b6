// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/trial_path.h"

#include "geometry/helpers.h"
#include "geometry/lens.h"
#include "geometry/refraction.h"
#include "optics/captions.h"
#include "surface/arrowhead.h"

#include <cmath>

namespace optics {

namespace {

surface::LabelTexts drawPath(surface::Surface& s, const geometry::Lens& lens,
                             geometry::Point source, geometry::Point p, geometry::Point target,
                             const geometry::Layers& layers) {
    s.Line(source.x, source.y, p.x, p.y);
    s.LineTo(target.x, target.y);
    if (layers.directionArrows) {
        surface::drawArrowhead(s, source.x, source.y, p.x, p.y);
        surface::drawArrowhead(s, p.x, p.y, target.x, target.y);
    }
    surface::LabelTexts labels;
    labels.set(
        2, timeCaption(geometry::pathTime(lens, source.x, source.y, p.x, p.y, target.x, target.y)));
    return labels;
}

} // namespace

surface::LabelTexts drawTrialPath(surface::Surface& s, const geometry::Lens& lens,
                                  geometry::Point source, geometry::Point p, std::int16_t v,
                                  const geometry::Layers& layers) {
    const geometry::Point target = lens.rearSurfacePoint(v);
    surface::LabelTexts labels = drawPath(s, lens, source, p, target, layers);
    const geometry::Refraction angles =
        geometry::refractionAt(lens, source.x, source.y, p.x, p.y, target.x, target.y);
    labels.set(3, anglesCaption(angles));
    if (std::sin(angles.refraction) != 0)
        labels.set(4, indexCaption(angles));
    return labels;
}

surface::LabelTexts drawDroppedPath(surface::Surface& s, const geometry::Lens& lens,
                                    geometry::Point source, geometry::Point p, std::int16_t v,
                                    const geometry::Layers& layers) {
    return drawPath(s, lens, source, p, lens.pointBehindRearSurface(v), layers);
}

} // namespace optics
