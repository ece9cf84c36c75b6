#include "continuation/beam_ray.h"

#include "continuation/beam_ray_construction.h"
#include "continuation/crossing.h"
#include "scene/guarded.h"
#include "scene/kovril.h"
#include "scene/state.h"
#include "surface/format.h"

#include <cmath>

namespace continuation {

namespace {

QString degrees(double angle) {
    return surface::Format(std::abs(angle) * 180 / scene::pi, "0.00");
}

} // namespace

bool continueBeamRay(double px, double py) {
    Kovril& window = scene::form();
    scene::pi = float(4 * std::atan(1.0));
    const BeamRayConstruction ray = constructBeamRay(px, py, float(1e-12));

    if (ray.totalReflection) {
        window.Label1->setText(QStringLiteral("ολική ανάκλαση   ") + QStringLiteral("  ορική = ") +
                               degrees(ray.critical));
        window.Label3->setText(QStringLiteral("προσπτωσης =") + degrees(ray.incidence));
        return false;
    }
    if (ray.refractionMeasured)
        window.Label3->setText(QStringLiteral("προσπτωσης =") + degrees(ray.incidence) +
                               QStringLiteral(" διάθλασης =") + degrees(ray.refraction));
    if (ray.indexMeasured)
        scene::sineRatio = ray.sineRatio;
    if (!ray.leaves)
        return false;

    const BorderHit end = borderPoint(px, py, ray.qx - px, ray.qy - py);
    scene::rayEndX = end.x;
    scene::rayEndY = end.y;
    surface::Surface& s = window.surface();
    s.DrawWidth = 2;
    scene::guardedLine(s, px, py, end.x, end.y, QColor(255, 0, 0));
    scene::rayOut = {float(ray.mx), ray.my, ray.timeLeft};
    window.Label4->setText(QStringLiteral("δείκτης = ") +
                           surface::Format(scene::sineRatio, "0.000"));
    return true;
}

} // namespace continuation
