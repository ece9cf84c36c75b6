#include "optics/captions.h"
#include "optics/helpers.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "surface/format.h"

#include <cmath>

void Kovril::shmeio_thesi_Change() {
    const double c = scene::curveCentreX;
    const double r = scene::curveRadius;
    const double v = shmeio_thesi->Value();
    if (std::abs(v) > std::sqrt(r * r - c * c))
        return; // beyond the rims the last trial stays as it is

    Label7->setText(QStringLiteral("ψ blue = ") + surface::Format(v, "0"));
    shmeio->moveCentreTo(c - std::sqrt(r * r - v * v), v);
    surface::Surface& s = surface();
    s.Cls();

    const scene::Point target = scene::rearSurfacePoint(thesiy->Value());
    // The point as the marker stores it, so the time is that of the blue point shown.
    const double sourceX = kyklos->centreX();
    const double sourceY = kyklos->centreY();
    const double px = shmeio->centreX();
    const double py = shmeio->centreY();
    scene::redrawScene();
    s.Line(sourceX, sourceY, px, py);
    s.LineTo(target.x, target.y);
    Label2->setText(
        optics::timeCaption(optics::pathTime(sourceX, sourceY, px, py, target.x, target.y)));

    const optics::Refraction angles =
        optics::refractionAt(sourceX, sourceY, px, py, target.x, target.y);
    QFont font = Label3->font();
    font.setPointSizeF(12);
    Label3->setFont(font);
    Label3->setText(optics::anglesCaption(angles));
    if (std::sin(angles.refraction) != 0)
        Label4->setText(optics::indexCaption(angles));
}
