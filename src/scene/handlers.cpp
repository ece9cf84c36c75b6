// Every handler of the window, in one place: each reads its controls and hands them to the
// procedure that draws, then shows what that procedure left for the labels.
#include "beam/beam.h"
#include "beam/huygens_circles.h"
#include "continuation/beam_ray.h"
#include "continuation/ray.h"
#include "geometry/lens.h"
#include "geometry/state.h"
#include "optics/least_time_path.h"
#include "optics/trial_path.h"
#include "print/printed_beam.h"
#include "print/printed_page.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "surface/format.h"
#include "timestep/time_stepped_beam.h"
#include "timestep/wavefronts.h"

#include <algorithm>
#include <cmath>

namespace {

// A press anywhere left of the marker's right edge, within its band, grabs it.
bool grabs(const surface::Shape& marker, float x, float y) {
    const double top = marker.Top();
    return x < double(marker.Left()) + marker.Width() && top - marker.Height() < y && y < top;
}

// Where a dragged marker may go: a marker dropped outside the window could never be
// grabbed again.
geometry::Point insideFrame(float x, float y) {
    return {std::clamp(double(x), -double(geometry::halfWidth), double(geometry::halfWidth)),
            std::clamp(double(y), -double(geometry::halfHeight), double(geometry::halfHeight))};
}

geometry::Point centreOf(const surface::Shape& marker) {
    return {marker.centreX(), marker.centreY()};
}

} // namespace

void Kovril::Form_Load() {
    Label5->setText(QStringLiteral("αριθμός σημείων =") +
                    surface::Format(arithmosaktinon->Value(), "0"));
    Label6->setText(QStringLiteral("Χρονος=") + surface::Format(xronosmetato->Value(), "0"));
}

void Kovril::thesiy_Change() {
    surface().Cls();
    Label1->setText(QStringLiteral("ψ κίτρινο= ") + QString::number(thesiy->Value()));
    scene::redrawScene(*this);
}

void Kovril::arithmosaktinon_Change() {
    surface().Cls();
    scene::redrawScene(*this);
    Label5->setText(QStringLiteral("αριθμός σημείων =") +
                    surface::Format(arithmosaktinon->Value(), "0"));
}

void Kovril::Command1_Click() {
    const optics::LeastTimePath path =
        optics::drawLeastTimePath(surface(), source(), thesiy->Value());
    if (path.bluePoint)
        shmeio->moveCentreTo(path.bluePoint->x, path.bluePoint->y);
    applyLabels(path.labels);
}

void Kovril::shmeio_thesi_Change() {
    const double v = shmeio_thesi->Value();
    if (std::abs(v) > std::sqrt(double(geometry::curveRadius) * geometry::curveRadius -
                                double(geometry::curveCentreX) * geometry::curveCentreX))
        return; // beyond the rims the last trial stays as it is

    Label7->setText(QStringLiteral("ψ blue = ") + surface::Format(v, "0"));
    const geometry::Point onLens = geometry::frontSurfacePoint(v);
    shmeio->moveCentreTo(onLens.x, onLens.y);
    surface().Cls();
    scene::redrawScene(*this);
    // The point as the marker stores it, so the time is that of the blue point shown.
    const surface::LabelTexts labels =
        optics::drawTrialPath(surface(), centreOf(*kyklos), centreOf(*shmeio), thesiy->Value());
    QFont font = Label3->font();
    font.setPointSizeF(12);
    Label3->setFont(font);
    applyLabels(labels);
}

void Kovril::Form_MouseDown(int, int, float x, float y) {
    dragPoint = grabs(*shmeio, x, y);
    dragSource = !dragPoint && grabs(*kyklos, x, y);
}

void Kovril::Form_MouseMove(int, int, float x, float y) {
    const geometry::Point to = insideFrame(x, y);
    if (dragPoint)
        shmeio->moveCentreTo(to.x, to.y);
    else if (dragSource)
        kyklos->moveCentreTo(to.x, to.y);
    else
        setMousePointer(0);
}

void Kovril::Form_MouseUp(int, int, float x, float y) {
    if (!dragPoint && !dragSource)
        return;
    geometry::Point source = centreOf(*kyklos);
    geometry::Point point = centreOf(*shmeio);
    (dragPoint ? point : source) = insideFrame(x, y);
    dragPoint = false;
    dragSource = false;

    surface().Cls();
    scene::redrawScene(*this);
    applyLabels(optics::drawDroppedPath(surface(), source, point, thesiy->Value()));
}

void Kovril::Command2_Click() {
    beam::drawBeam(surface(), source(), arithmosaktinon->Value());
}

void Kovril::Command3_Click() {
    beam::drawBeamWithWavelets(surface(), source(), arithmosaktinon->Value());
}

void Kovril::Command4_Click() {
    applyLabels(continuation::continueRay(surface(), source(), thesiy->Value()));
}

void Kovril::Command5_Click() {
    applyLabels(timestep::timeSteppedBeam(surface(), source(), arithmosaktinon->Value(),
                                          xronosmetato->Value()));
}

void Kovril::xronosmetato_Change() {
    surface().Cls();
    scene::redrawScene(*this);
    Label6->setText(QStringLiteral("Χρονος=") + surface::Format(xronosmetato->Value(), "0"));
    Command5_Click();
}

void Kovril::Command6_Click() {
    Label6->setText(QStringLiteral("Χρονος=") + surface::Format(xronosmetato->Value(), "0"));
    print::printPicture(surface(),
                        print::PageInputs{source(), thesiy->Value(), arithmosaktinon->Value(),
                                          xronosmetato->Value()});
}

void Kovril::desmiakmetaPRINT(float x0, float y0, int n) {
    print::printBeam(*Printer, surface(), {x0, y0}, n, xronosmetato->Value());
}

void Kovril::evreSiKyklonPRINT(float xronost, int N11) {
    timestep::drawWavefronts(*Printer, xronost, N11);
}

bool Kovril::synexeiaPRINT(double kENTRX, double kENTRY) {
    return continuation::continueBeamRay(*Printer, source(), kENTRX, kENTRY,
                                         continuation::BeamRayTarget::Page)
        .drawn;
}
