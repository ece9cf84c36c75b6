// SPDX-License-Identifier: GPL-3.0-or-later
#include "continuation/beam_ray.h"

#include "continuation/captions.h"
#include "geometry/beam_ray_construction.h"
#include "geometry/crossing.h"
#include "geometry/state.h"
#include "surface/arrowhead.h"
#include "surface/guarded.h"
#include "surface/messagebox.h"
#include "surface/picture_inks.h"

namespace continuation {

ContinuedBeamRay continueBeamRay(surface::Surface& s, const geometry::Lens& lens,
                                 geometry::Source source, double px, double py,
                                 BeamRayTarget target, const geometry::Layers& layers) {
    const bool window = target == BeamRayTarget::Window;
    const geometry::BeamRayConstruction ray =
        geometry::constructBeamRay(lens, source, px, py, window ? float(1e-12) : float(0.001));
    for (int i = 0; i < ray.failedSearches; ++i)
        surface::MsgBox(geometry::Message::NotFound);

    ContinuedBeamRay result;
    if (ray.totalReflection) {
        if (window) {
            result.labels.set(1, totalReflectionCaption(ray.critical));
            result.labels.set(3, incidenceCaption(ray.incidence));
        }
        return result;
    }
    if (ray.refractionMeasured && window)
        result.labels.set(3, anglesCaption(ray.incidence, ray.refraction));
    if (ray.indexMeasured)
        geometry::sineRatio = ray.sineRatio;
    if (!ray.leaves)
        return result;

    const geometry::BorderHit end = geometry::borderPoint(px, py, ray.qx - px, ray.qy - py);
    if (window) {
        geometry::rayEndX = end.x;
        geometry::rayEndY = end.y;
        s.DrawWidth = surface::inks::continuedRay.width;
    }
    if (layers.beam)
        surface::guardedLine(s, px, py, end.x, end.y, surface::inks::continuedRay.color);
    if (layers.beam && layers.directionArrows)
        surface::drawArrowhead(s, px, py, end.x, end.y);
    geometry::rayOut = {float(ray.mx), ray.my, ray.timeLeft};
    if (window)
        result.labels.set(4, indexCaption(geometry::sineRatio, "0.000"));
    result.drawn = true;
    return result;
}

} // namespace continuation
