#include "optics/captions.h"
#include "optics/lens_entry.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "surface/format.h"

#include <cmath>

namespace {

// The normal at P, dotted, from the centre of curvature through P on to the x halfway
// between P and the source.
void drawNormal(surface::Surface& s, double px, double py, double sourceX) {
    const double c = scene::curveCentreX;
    if (px - c == 0)
        return; // a vertical normal has no slope to carry it on by
    const double halfway = (sourceX - px) / 2;
    s.DrawStyle = surface::PenStyle::Dotted;
    s.Line(c, 0, px + halfway, py + py * halfway / (px - c));
    s.DrawStyle = surface::PenStyle::Solid;
}

} // namespace

void Kovril::Command1_Click() {
    const scene::Point target = scene::rearSurfacePoint(thesiy->Value());
    const optics::LensSearch entry =
        optics::searchFromSource(target.x, target.y, optics::StepTest::Single);
    if (!entry.found)
        return;

    const double sourceX = kyklos->centreX();
    const double sourceY = kyklos->centreY();
    surface::Surface& s = surface();
    s.Line(sourceX, sourceY, entry.x, entry.y);
    s.LineTo(target.x, target.y);
    shmeio->moveCentreTo(entry.x, entry.y);

    const optics::Refraction angles =
        optics::refractionAt(sourceX, sourceY, entry.x, entry.y, target.x, target.y);
    Label3->setText(optics::anglesCaption(angles));
    if (std::sin(angles.refraction) != 0) {
        Label4->setText(optics::indexCaption(angles));
        Label7->setText(QStringLiteral("ψ blue = ") + surface::Format(entry.y, "0.0"));
    }
    drawNormal(s, entry.x, entry.y, sourceX);
    Label2->setText(optics::timeCaption(entry.time));
}
