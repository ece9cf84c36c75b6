// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/trial_path.h"

#include "geometry/helpers.h"
#include "geometry/lens.h"
#include "geometry/refraction.h"
#include "optics/captions.h"

#include <cmath>

namespace optics {

namespace {

surface::LabelTexts drawPath(surface::Surface& s, geometry::Point source, geometry::Point p,
                             geometry::Point target) {
    s.Line(source.x, source.y, p.x, p.y);
    s.LineTo(target.x, target.y);
    surface::LabelTexts labels;
    labels.set(2,
               timeCaption(geometry::pathTime(source.x, source.y, p.x, p.y, target.x, target.y)));
    return labels;
}

} // namespace

surface::LabelTexts drawTrialPath(surface::Surface& s, geometry::Point source, geometry::Point p,
                                  std::int16_t v) {
    const geometry::Point target = geometry::rearSurfacePoint(v);
    surface::LabelTexts labels = drawPath(s, source, p, target);
    const geometry::Refraction angles =
        geometry::refractionAt(source.x, source.y, p.x, p.y, target.x, target.y);
    labels.set(3, anglesCaption(angles));
    if (std::sin(angles.refraction) != 0)
        labels.set(4, indexCaption(angles));
    return labels;
}

surface::LabelTexts drawDroppedPath(surface::Surface& s, geometry::Point source, geometry::Point p,
                                    std::int16_t v) {
    return drawPath(s, source, p, geometry::pointBehindRearSurface(v));
}

} // namespace optics
