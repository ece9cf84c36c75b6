// SPDX-License-Identifier: GPL-3.0-or-later
// Every handler of the window, in one place: each reads its controls and hands them to the
// procedure that draws, then shows what that procedure left for the labels.
#include "beam/beam.h"
#include "beam/huygens_circles.h"
#include "continuation/ray.h"
#include "geometry/lens.h"
#include "geometry/state.h"
#include "optics/least_time_path.h"
#include "optics/trial_path.h"
#include "print/printed_page.h"
#include "scene/frame.h"
#include "scene/kovril.h"
#include "scene/picture_export.h"
#include "scene/redraw.h"
#include "scene/scene_io.h"
#include "scene/stepped_beam_cache.h"
#include "surface/format.h"
#include "surface/messagebox.h"
#include "timestep/time_stepped_beam.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cmath>

namespace {

geometry::Point centreOf(const surface::Shape& marker) {
    return {marker.centreX(), marker.centreY()};
}

} // namespace

void Kovril::Form_Load() {
    Label5->setText(QCoreApplication::translate("Window", "αριθμός σημείων =") +
                    surface::Format(arithmosaktinon->Value(), "0"));
    showTime();
}

void Kovril::showTime() {
    Label6->setText(QCoreApplication::translate("Window", "Χρονος=") +
                    surface::Format(xronosmetato->Value(), "0"));
}

void Kovril::showFirstPicture() {
    record(scene::Action::Kind::FirstPicture);
    scene::drawFirstPicture(*this);
}

void Kovril::clearPicture() {
    record(scene::Action::Kind::Clear);
    surface().Cls();
    scene::redrawScene(*this);
}

void Kovril::thesiy_Change() {
    record(scene::Action::Kind::YellowPoint);
    surface().Cls();
    Label1->setText(QCoreApplication::translate("Window", "ψ κίτρινο= ") +
                    QString::number(thesiy->Value()));
    scene::redrawScene(*this);
}

void Kovril::arithmosaktinon_Change() {
    record(scene::Action::Kind::RayCount);
    surface().Cls();
    scene::redrawScene(*this);
    Label5->setText(QCoreApplication::translate("Window", "αριθμός σημείων =") +
                    surface::Format(arithmosaktinon->Value(), "0"));
}

void Kovril::Command1_Click() {
    if (!recordDrawing(scene::Action::Kind::Command1))
        return;
    const optics::LeastTimePath path =
        optics::drawLeastTimePath(surface(), lens(), source(), thesiy->Value());
    if (path.bluePoint) {
        shmeio->moveCentreTo(path.bluePoint->x, path.bluePoint->y);
        blueOnSurface_ = true;
    }
    applyLabels(path.labels);
}

void Kovril::shmeio_thesi_Change() {
    const double v = shmeio_thesi->Value();
    if (std::abs(v) > lens().rimHeight())
        return; // beyond the rims the last trial stays as it is

    record(scene::Action::Kind::TrialPoint);
    Label7->setText(QCoreApplication::translate("Window", "ψ blue = ") + surface::Format(v, "0"));
    const geometry::Point onLens = lens().frontSurfacePoint(v);
    shmeio->moveCentreTo(onLens.x, onLens.y);
    blueOnSurface_ = true;
    surface().Cls();
    scene::redrawScene(*this);
    // The point as the marker stores it, so the time is that of the blue point shown.
    const surface::LabelTexts labels = optics::drawTrialPath(surface(), lens(), centreOf(*kyklos),
                                                             centreOf(*shmeio), thesiy->Value());
    QFont font = Label3->font();
    font.setPointSizeF(12);
    Label3->setFont(font);
    applyLabels(labels);
}

void Kovril::Form_MouseDown(int, int, float x, float y) {
    dragPoint = onMarker(*shmeio, x, y);
    dragSource = !dragPoint && onMarker(*kyklos, x, y);
}

void Kovril::Form_MouseMove(int, int, float x, float y) {
    const geometry::Point to = scene::insideFrame({x, y});
    // A marker follows only a real drag, not the tremor of a click.
    if ((dragPoint || dragSource) && !dragMoved_)
        return;
    if (dragPoint)
        shmeio->moveCentreTo(to.x, to.y);
    else if (dragSource)
        kyklos->moveCentreTo(to.x, to.y);
    else
        setMousePointer(0);
    // Dragged, the blue point leaves the curve; the source's drag leaves it where it stands.
    if (dragPoint)
        blueOnSurface_ = false;
    if (dragPoint || dragSource)
        profileFollows();
}

void Kovril::Form_MouseUp(int, int, float x, float y) {
    const bool dragged = (dragPoint || dragSource) && dragMoved_;
    geometry::Point source = centreOf(*kyklos);
    geometry::Point point = centreOf(*shmeio);
    (dragPoint ? point : source) = scene::insideFrame({x, y});
    dragPoint = false;
    dragSource = false;
    if (dragged)
        drawDrop(source, point);
}

void Kovril::kyklos_Nudge(double dx, double dy) {
    const geometry::Point to =
        scene::insideFrame({float(kyklos->centreX() + dx), float(kyklos->centreY() + dy)});
    kyklos->moveCentreTo(to.x, to.y);
    drawDrop(centreOf(*kyklos), centreOf(*shmeio));
}

void Kovril::drawDrop(geometry::Point source, geometry::Point bluePoint) {
    scene::Action drop;
    drop.kind = scene::Action::Kind::Drop;
    drop.source = source;
    drop.bluePoint = bluePoint;
    record(drop);
    if (bluePoint.x != shmeio->centreX() || bluePoint.y != shmeio->centreY())
        blueOnSurface_ = false;
    surface().Cls();
    scene::redrawScene(*this);
    applyLabels(optics::drawDroppedPath(surface(), lens(), source, bluePoint, thesiy->Value()));
}

void Kovril::Command2_Click() {
    if (!recordDrawing(scene::Action::Kind::Command2))
        return;
    beam::drawBeam(surface(), lens(), source(), arithmosaktinon->Value());
}

void Kovril::Command3_Click() {
    if (!recordDrawing(scene::Action::Kind::Command3))
        return;
    beam::drawBeamWithWavelets(surface(), lens(), source(), arithmosaktinon->Value());
}

void Kovril::Command4_Click() {
    if (!recordDrawing(scene::Action::Kind::Command4))
        return;
    applyLabels(continuation::continueRay(surface(), lens(), source(), thesiy->Value()));
}

void Kovril::Command5_Click() {
    if (!recordDrawing(scene::Action::Kind::Command5))
        return;
    applyLabels(timestep::timeSteppedBeam(surface(), lens(), source(), arithmosaktinon->Value(),
                                          xronosmetato->Value()));
}

void Kovril::xronosmetato_Change() {
    record(scene::Action::Kind::Time);
    const timestep::SteppedBeam stepped = scene::drawSceneAndSteppedBeam(*this);
    showTime();
    timestep::drawSteppedWavefront(surface(), lens(), source(), stepped.beam,
                                   xronosmetato->Value());
    applyLabels(stepped.labels);
}

void Kovril::xronosPlay_Frame(double time) {
    const surface::HeldMessages quiet;
    const timestep::SteppedBeam stepped = scene::drawSceneAndSteppedBeam(*this);
    showTime();
    timestep::drawSteppedWavefront(surface(), lens(), source(), stepped.beam, time);
    applyLabels(stepped.labels);
}

void Kovril::Command6_Click() {
    showTime();
    if (!print::printPicture(surface(), lens(),
                             print::PageInputs{source(), thesiy->Value(), arithmosaktinon->Value(),
                                               xronosmetato->Value()}))
        return;
    // Kept so that the window, drawn again, has what printing left on it.
    scene::Action printed;
    printed.kind = scene::Action::Kind::Print;
    printed.sineRatio = geometry::sineRatio;
    record(printed);
}

void Kovril::saveScene_Click() {
    const QString path = scene::chooseFile(this, scene::FileChoice::SaveScene);
    if (path.isEmpty())
        return;
    if (const std::optional<QString> problem = scene::saveSceneFile(path, sceneDocument()))
        surface::MsgBox(QCoreApplication::translate(
                            "Kovril", "Η σκηνή δεν αποθηκεύτηκε στο αρχείο %1: %2. Ό,τι "
                                      "υπήρχε ήδη εκεί έμεινε όπως ήταν· δοκιμάστε άλλο "
                                      "φάκελο ή όνομα.")
                            .arg(QDir::toNativeSeparators(path), *problem));
}

void Kovril::openScene_Click() {
    const QString path = scene::chooseFile(this, scene::FileChoice::OpenScene);
    if (!path.isEmpty())
        openSceneFile(path);
}

void Kovril::savePicture_Click() {
    const QString path = scene::chooseFile(this, scene::FileChoice::SavePicture);
    if (path.isEmpty())
        return;
    if (const std::optional<QString> problem =
            scene::savePicture(*this, path, actionWhiteBackground->isChecked()))
        surface::MsgBox(
            QCoreApplication::translate(
                "Kovril",
                "Η εικόνα δεν αποθηκεύτηκε στο αρχείο %1: %2. Δοκιμάστε άλλο φάκελο ή όνομα.")
                .arg(QDir::toNativeSeparators(path), *problem));
}
