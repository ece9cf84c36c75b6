#include "continuation/ray.h"

#include "continuation/huygens.h"
#include "optics/helpers.h"
#include "scene/guarded.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "surface/format.h"
#include "surface/messagebox.h"

#include <cmath>

namespace continuation {

namespace {

const QColor magenta(255, 0, 255);
const QColor red(255, 0, 0);
const QColor green(0, 255, 0);

constexpr int passLimit = 3;
constexpr double firstStepDegrees = 0.1;
constexpr double rayReach = 50;           // the outgoing ray ends this far right of P
constexpr double normalIncidence = 0.001; // radians

QString unsignedDegrees(double angle) {
    return surface::Format(std::abs(angle) * 180 / scene::pi, "0.00");
}

void drawConstruction(const HuygensPass& pass, float sourceX, float sourceY) {
    surface::Surface& s = scene::form().surface();
    s.Line(sourceX, sourceY, pass.a.x, pass.a.y, magenta);
    s.LineTo(pass.px, pass.py, magenta);
    s.Line(sourceX, sourceY, pass.b.x, pass.b.y, red);
    s.LineTo(pass.plusX, pass.plusY, red);
    s.Line(sourceX, sourceY, pass.c.x, pass.c.y, red);
    s.LineTo(pass.minusX, pass.minusY, red);
    s.Circle(pass.px, pass.py, pass.rA);
    s.Circle(pass.plusX, pass.plusY, pass.rB, red);
    s.Circle(pass.minusX, pass.minusY, pass.rC, green);
}

// The rear surface's normal at P, dashed from its centre of curvature on to x = 400.
void drawNormal(double px, double py) {
    surface::Surface& s = scene::form().surface();
    const double d = scene::curveCentreX;
    s.DrawStyle = surface::PenStyle::Dashed;
    s.Line(-d, 0, 400, py + (400 - px) * py / (px + d));
    s.DrawStyle = surface::PenStyle::Solid;
}

// Along the normal the ray leaves without turning: on along A -> P, which may be steep.
void drawUndeviatedRay(const HuygensPass& pass) {
    const double run = pass.px - pass.a.x;
    if (run == 0)
        return;
    surface::Surface& s = scene::form().surface();
    scene::guardedLine(s, pass.px, pass.py, pass.px + rayReach,
                       pass.py + rayReach * (pass.py - pass.a.y) / run, s.ForeColor);
    drawNormal(pass.px, pass.py);
}

void drawOutgoingRay(double px, double py, double qx, double qy) {
    if (qy > 0)
        surface::MsgBox(QStringLiteral("Nai the"));
    // A ray leaving almost along the surface climbs steeply within its 50 units.
    surface::Surface& s = scene::form().surface();
    scene::guardedLine(s, px, py, qx, qy, s.ForeColor);
    scene::form().Label4->setText(QStringLiteral("δείκτης = ") +
                                  surface::Format(scene::sineRatio, "0.00"));
    drawNormal(px, py);
}

} // namespace

void continueRay(double px, double py) {
    Kovril& window = scene::form();
    const double d = scene::curveCentreX;
    scene::pi = float(4 * std::atan(1.0));
    double step = firstStepDegrees;
    int passNumber = 1;
    HuygensPass pass;
    double incidence = 0;
    while (passNumber <= passLimit) {
        pass = huygensPass(px, py, step);
        const float sourceX = window.kyklos->centreX();
        const float sourceY = window.kyklos->centreY();
        drawConstruction(pass, sourceX, sourceY);

        // The wavefront runs through the crossings on the far side from the source.
        const Crossing w1 = fartherCrossing(pass.plusPair, sourceX, sourceY);
        const Crossing w2 = fartherCrossing(pass.minusPair, sourceX, sourceY);
        const double mx = (double(w1.x) + w2.x) / 2;
        const double my = (double(w1.y) + w2.y) / 2;

        incidence = incidenceAngle(pass);
        const double critical = optics::criticalAngle();
        if (std::abs(incidence) > critical) {
            window.Label1->setText(QStringLiteral("ολική ανάκλαση   ") +
                                   QStringLiteral("  ορική = ") + unsignedDegrees(critical));
            window.Label3->setText(QStringLiteral("προσπτωσης =") + unsignedDegrees(incidence));
            return;
        }
        if (mx == px) // M straight above or below P: no line towards the right
            return;
        const double qx = px + rayReach;
        const double qy = py + rayReach * (my - py) / (mx - px);
        const double refraction = optics::signedAngle(qx - px, qy - py, px + d, py);
        window.Label3->setText(QStringLiteral("προσπτωσης =") + unsignedDegrees(incidence) +
                               QStringLiteral(" διάθλασης =") + unsignedDegrees(refraction));

        if (std::sin(incidence) == 0) {
            drawUndeviatedRay(pass);
            return;
        }
        scene::sineRatio = float(std::sin(refraction) / std::sin(incidence));
        const float mismatch = float(
            std::abs(std::abs(scene::sineRatio) - double(scene::speedAir) / scene::speedLens));
        if (mismatch <= float(0.001)) {
            if (scene::sineRatio < 0) // it would leave on the wrong side of the normal
                return;
            drawOutgoingRay(px, py, qx, qy);
            return;
        }
        ++passNumber;
        step /= std::sqrt(passNumber);
    }
    // Near the normal the measured index is a quotient of two tiny sines and never settles.
    if (std::abs(incidence) < normalIncidence)
        drawUndeviatedRay(pass);
}

} // namespace continuation

void Kovril::Command4_Click() {
    const scene::Point p = scene::rearSurfacePoint(thesiy->Value());
    surface().FillStyle = surface::FillMode::Transparent;
    continuation::continueRay(p.x, p.y);
    surface().FillStyle = surface::FillMode::Solid;
}
