#include "continuation/huygens.h"

#include "optics/helpers.h"
#include "scene/state.h"

#include <cmath>

namespace continuation {

HuygensPass huygensPass(double px, double py, double stepDegrees) {
    return huygensPass(px, py, stepDegrees, optics::findLensEntry(px, py));
}

HuygensPass huygensPass(double px, double py, double stepDegrees, const optics::LensEntry& a) {
    const double d = scene::curveCentreX;
    const double r = scene::curveRadius;
    HuygensPass pass;
    pass.px = px;
    pass.py = py;
    const double phi = std::atan(py / (px + d));
    const double plus = phi + stepDegrees * scene::pi / 180;
    const double minus = phi - stepDegrees * scene::pi / 180;
    pass.plusX = r * std::cos(plus) - d;
    pass.plusY = r * std::sin(plus);
    pass.minusX = r * std::cos(minus) - d;
    pass.minusY = r * std::sin(minus);

    pass.a = a;
    pass.b = optics::findLensEntry(pass.plusX, pass.plusY);
    pass.c = optics::findLensEntry(pass.minusX, pass.minusY);

    // When tB exceeds tA, tC is not looked at.
    float reference = pass.a.time;
    if (pass.b.time > pass.a.time)
        reference = pass.b.time;
    else if (pass.c.time > pass.a.time)
        reference = pass.c.time;
    pass.commonTime = float(double(reference) + 2);

    pass.rA = (double(pass.commonTime) - pass.a.time) * scene::speedAir;
    pass.rB = (double(pass.commonTime) - pass.b.time) * scene::speedAir;
    pass.rC = (double(pass.commonTime) - pass.c.time) * scene::speedAir;

    pass.plusPair = circleCrossing(px, py, pass.rA, pass.plusX, pass.plusY, pass.rB);
    pass.minusPair = circleCrossing(px, py, pass.rA, pass.minusX, pass.minusY, pass.rC);
    return pass;
}

Crossing fartherCrossing(const CrossingPair& pair, double refX, double refY) {
    if (optics::pointDistance(pair.x1, pair.y1, refX, refY) >
        optics::pointDistance(pair.x2, pair.y2, refX, refY))
        return {pair.x1, pair.y1};
    return {pair.x2, pair.y2};
}

double incidenceAngle(const HuygensPass& pass) {
    return optics::signedAngle(pass.px - pass.a.x, pass.py - pass.a.y,
                               pass.px + scene::curveCentreX, pass.py);
}

} // namespace continuation
