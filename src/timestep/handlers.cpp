#include "scene/kovril.h"
#include "scene/redraw.h"
#include "surface/format.h"
#include "timestep/time_stepped_beam.h"

void Kovril::Command5_Click() {
    timestep::timeSteppedBeam(kyklos->centreX(), kyklos->centreY(), arithmosaktinon->Value());
}

void Kovril::xronosmetato_Change() {
    surface().Cls();
    scene::redrawScene();
    Label6->setText(QStringLiteral("Χρονος=") + surface::Format(xronosmetato->Value(), "0"));
    Command5_Click();
}
