#include "continuation/beam_ray_construction.h"
#include "continuation/crossing.h"
#include "scene/guarded.h"
#include "scene/kovril.h"
#include "scene/state.h"

#include <cmath>

// The window's beam-ray continuation on the page: the same construction, but it stops at
// the first pass whose index lies within 0.001 of the speed ratio, writes no label and
// keeps the end of the ray to itself.
bool Kovril::synexeiaPRINT(double kENTRX, double kENTRY) {
    scene::pi = float(4 * std::atan(1.0));
    const continuation::BeamRayConstruction ray =
        continuation::constructBeamRay(kENTRX, kENTRY, float(0.001));
    if (ray.totalReflection)
        return false;
    if (ray.indexMeasured)
        scene::sineRatio = ray.sineRatio;
    if (!ray.leaves)
        return false;

    const continuation::BorderHit end =
        continuation::borderPoint(kENTRX, kENTRY, ray.qx - kENTRX, ray.qy - kENTRY);
    scene::guardedLine(*Printer, kENTRX, kENTRY, end.x, end.y, QColor(255, 0, 0));
    scene::rayOut = {float(ray.mx), ray.my, ray.timeLeft};
    return true;
}
