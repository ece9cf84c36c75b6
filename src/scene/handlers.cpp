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
#include "scene/lessons.h"
#include "scene/marker_input.h"
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
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

void Kovril::Form_Load() {
    showLabel(5, QCoreApplication::translate("Window", "αριθμός σημείων =") +
                     surface::Format(state_.arithmosaktinon, "0"));
    showTime();
}

void Kovril::lens_Change(const geometry::LensGiven& given) {
    state_.lens = geometry::Lens(given);
    geometry::shareLens(lens());
    // Drawn again on this lens, the picture measures its index from the start.
    state_.log.start.sineRatio = lens().index();
    const surface::HeldMessages held;
    drawLog();
    // A change of the lens is a step the class can undo.
    afterStep();
}

void Kovril::showTime() {
    showLabel(6, QCoreApplication::translate("Window", "Χρονος=") +
                     surface::Format(state_.xronosmetato, "0"));
}

void Kovril::showTimeValue(std::int16_t time) {
    state_.xronosmetato = time;
    const QSignalBlocker quiet(xronosmetato);
    xronosmetato->setValue(time);
    xronosmetato->update();
}

void Kovril::showFirstPicture() {
    record(geometry::Action::Kind::FirstPicture);
    scene::drawFirstPicture(*this);
    history_ = geometry::SceneHistory(state_);
    showHistory();
}

void Kovril::undo() {
    if (history_.canUndo())
        showScene(history_.undo());
}

void Kovril::redo() {
    if (history_.canRedo())
        showScene(history_.redo());
}

void Kovril::clearPicture() {
    emptyDrawingLabels();
    clearDrawing();
}

// The log's start keeps the labels as the clear left them, so drawing a log again clears the
// picture only.
void Kovril::clearDrawing() {
    record(geometry::Action::Kind::Clear);
    surface().Cls();
    scene::redrawScene(*this);
}

// A construction's numbers go with its drawing: the path's time, angles and index, and a
// total reflection told where the yellow point's height stands. What the scroll bars and
// the blue point show stays.
void Kovril::emptyDrawingLabels() {
    for (int label : {2, 3, 4})
        showLabel(label, {});
    const QString height = QString::number(state_.thesiy);
    const QString yellow = QString::fromStdString(state_.labels.at(1));
    if (yellow != QCoreApplication::translate("Window", "ψ= ") + height &&
        yellow != QCoreApplication::translate("Window", "ψ κίτρινο= ") + height)
        showLabel(1, QCoreApplication::translate("Window", "ψ κίτρινο= ") + height);
}

void Kovril::startLesson() {
    // The same numbers on every screen, unlike the start-up place of the source.
    geometry::SceneState lesson = startDefaults();
    lesson.source = {-200, 50};
    lesson.blueOnSurface = true;
    lesson.labels = lesson.log.start.labels;
    lesson.label3Points = lesson.log.start.label3Points;
    geometry::Action clear;
    clear.kind = geometry::Action::Kind::Clear;
    lesson.log.actions = {clear};
    showScene(lesson);
    scene::hideLessonNote(*this);
}

void Kovril::thesiy_Change() {
    record(geometry::Action::Kind::YellowPoint);
    surface().Cls();
    showLabel(1, QCoreApplication::translate("Window", "ψ κίτρινο= ") +
                     QString::number(state_.thesiy));
    scene::redrawScene(*this);
}

void Kovril::arithmosaktinon_Change() {
    record(geometry::Action::Kind::RayCount);
    surface().Cls();
    scene::redrawScene(*this);
    showLabel(5, QCoreApplication::translate("Window", "αριθμός σημείων =") +
                     surface::Format(state_.arithmosaktinon, "0"));
}

void Kovril::Command1_Click() {
    if (!recordDrawing(geometry::Action::Kind::Command1))
        return;
    const optics::LeastTimePath path =
        optics::drawLeastTimePath(surface(), lens(), source(), state_.thesiy, state_.layers);
    if (path.bluePoint) {
        placeBluePoint(*path.bluePoint);
        state_.blueOnSurface = true;
    }
    applyLabels(path.labels);
}

void Kovril::shmeio_thesi_Change() {
    const double v = state_.shmeio_thesi;
    if (std::abs(v) > lens().rimHeight())
        return; // beyond the rims the last trial stays as it is

    record(geometry::Action::Kind::TrialPoint);
    showLabel(7, QCoreApplication::translate("Window", "ψ blue = ") + surface::Format(v, "0"));
    placeBluePoint(lens().frontSurfacePoint(v));
    state_.blueOnSurface = true;
    surface().Cls();
    scene::redrawScene(*this);
    // The point as the marker stores it, so the time is that of the blue point shown.
    const surface::LabelTexts labels = optics::drawTrialPath(
        surface(), lens(), state_.source, state_.bluePoint, state_.thesiy, state_.layers);
    showLabel3Points(12);
    applyLabels(labels);
}

void Kovril::Form_MouseDown(int, int, float x, float y) {
    input_.press(pressPixel_, onMarker(*shmeio, x, y), onMarker(*kyklos, x, y));
}

void Kovril::Form_MouseMove(int, int, float x, float y) {
    const scene::Marker dragged = input_.dragged();
    const std::optional<geometry::Point> to = input_.move(movePixel_, {x, y});
    if (dragged == scene::Marker::None)
        setMousePointer(0);
    if (!to)
        return;
    if (dragged == scene::Marker::BluePoint) {
        placeBluePoint(*to);
        // Dragged, the blue point leaves the curve; the source's drag leaves it where it
        // stands.
        state_.blueOnSurface = false;
    } else {
        placeSource(*to);
    }
    if (!drawLivePath(dragged, *to))
        profileFollows();
}

void Kovril::Form_MouseUp(int, int, float x, float y) {
    endLivePath();
    if (const std::optional<scene::Drop> drop =
            input_.release({x, y}, state_.source, state_.bluePoint))
        drawDrop(drop->source, drop->bluePoint);
}

void Kovril::kyklos_Nudge(double dx, double dy) {
    placeSource(scene::MarkerInput::nudged(state_.source, dx, dy));
    drawDrop(state_.source, state_.bluePoint);
}

void Kovril::drawDrop(geometry::Point source, geometry::Point bluePoint) {
    geometry::Action drop;
    drop.kind = geometry::Action::Kind::Drop;
    drop.source = source;
    drop.bluePoint = bluePoint;
    record(drop);
    if (bluePoint != state_.bluePoint)
        state_.blueOnSurface = false;
    surface().Cls();
    scene::redrawScene(*this);
    applyLabels(optics::drawDroppedPath(surface(), lens(), source, bluePoint, state_.thesiy,
                                        state_.layers));
}

void Kovril::Command2_Click() {
    if (!recordDrawing(geometry::Action::Kind::Command2))
        return;
    beam::drawBeam(surface(), lens(), source(), state_.arithmosaktinon, state_.layers);
}

void Kovril::Command3_Click() {
    if (!recordDrawing(geometry::Action::Kind::Command3))
        return;
    beam::drawBeamWithWavelets(surface(), lens(), source(), state_.arithmosaktinon, state_.layers);
}

void Kovril::Command4_Click() {
    if (!recordDrawing(geometry::Action::Kind::Command4))
        return;
    applyLabels(
        continuation::continueRay(surface(), lens(), source(), state_.thesiy, state_.layers));
}

void Kovril::Command5_Click() {
    if (!recordDrawing(geometry::Action::Kind::Command5))
        return;
    applyLabels(timestep::timeSteppedBeam(surface(), lens(), source(), state_.arithmosaktinon,
                                          state_.xronosmetato, state_.layers));
}

void Kovril::xronosmetato_Change() {
    record(geometry::Action::Kind::Time);
    const timestep::SteppedBeam stepped = scene::drawSceneAndSteppedBeam(*this);
    showTime();
    timestep::drawSteppedWavefront(surface(), lens(), source(), stepped.beam, state_.xronosmetato,
                                   state_.layers);
    applyLabels(stepped.labels);
}

void Kovril::xronosPlay_Frame(double time) {
    const surface::HeldMessages quiet;
    const timestep::SteppedBeam stepped = scene::drawSceneAndSteppedBeam(*this);
    showTime();
    timestep::drawSteppedWavefront(surface(), lens(), source(), stepped.beam, time, state_.layers);
    applyLabels(stepped.labels);
}

void Kovril::Command6_Click() {
    showTime();
    if (!print::printPicture(surface(), lens(),
                             print::PageInputs{source(), state_.thesiy, state_.arithmosaktinon,
                                               state_.xronosmetato, state_.layers}))
        return;
    // Kept so that the window, drawn again, has what printing left on it.
    geometry::Action printed;
    printed.kind = geometry::Action::Kind::Print;
    printed.sineRatio = geometry::sineRatio;
    record(printed);
}

void Kovril::saveScene_Click() {
    const QString path = scene::chooseFile(this, scene::FileChoice::SaveScene, scenePath_);
    if (!path.isEmpty())
        saveSceneTo(path);
}

void Kovril::openScene_Click() {
    if (!settleUnsavedChanges())
        return;
    const QString path = scene::chooseFile(this, scene::FileChoice::OpenScene, scenePath_);
    if (!path.isEmpty())
        openSceneFile(path);
}

void Kovril::savePicture_Click() {
    const QString path = scene::chooseFile(this, scene::FileChoice::SavePicture, scenePath_);
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
