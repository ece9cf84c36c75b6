// SPDX-License-Identifier: GPL-3.0-or-later
// The window keeps what was drawn since the last clear, so that a new size of the window
// (a projector, full screen, another screen) shows the same picture on the new frame.
#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/frame.h"
#include "scene/kovril.h"
#include "scene/label_language.h"
#include "scene/lens_panel.h"
#include "scene/lessons.h"
#include "scene/object_controls.h"
#include "scene/redraw.h"
#include "scene/scene_io.h"
#include "surface/messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

void Kovril::record(const geometry::Action& action) {
    if (replaying_)
        return;
    if (geometry::clearsThePicture(action.kind)) {
        state_.log.start = currentState();
        state_.log.actions.clear();
    }
    state_.log.actions.push_back(action);
}

void Kovril::record(geometry::Action::Kind kind) {
    geometry::Action action;
    action.kind = kind;
    record(action);
}

bool Kovril::recordDrawing(geometry::Action::Kind kind) {
    const int rays = state_.arithmosaktinon;
    if (!replaying_ && geometry::replayCost(state_.log, rays) + geometry::replayCost(kind, rays) >
                           geometry::replayBudget) {
        surface::MsgBox(QCoreApplication::translate(
            "Kovril", "Η εικόνα έχει ήδη πάρα πολλά σχέδια. Καθαρίστε την (Ctrl+L) και "
                      "σχεδιάστε ξανά."));
        return false;
    }
    record(kind);
    return true;
}

geometry::StartState Kovril::currentState() {
    const surface::Surface& s = surface();
    const geometry::Rgb fill{s.FillColor.red(), s.FillColor.green(), s.FillColor.blue()};
    return {{s.DrawStyle, s.DrawWidth, s.FillStyle, fill, s.FontSize},
            state_.labels,
            state_.label3Points,
            geometry::sineRatio};
}

void Kovril::restore(const geometry::StartState& state) {
    surface::Surface& s = surface();
    const geometry::DrawingProperties& drawing = state.drawing;
    s.DrawStyle = drawing.drawStyle;
    s.DrawWidth = drawing.drawWidth;
    s.FillStyle = drawing.fillStyle;
    s.FillColor = QColor(drawing.fillColor.red, drawing.fillColor.green, drawing.fillColor.blue);
    s.FontSize = drawing.fontSize;
    for (int i = 1; i < int(state.labels.size()); ++i)
        showLabel(i, QString::fromStdString(state.labels.at(std::size_t(i))));
    showLabel3Points(state.label3Points);
    geometry::sineRatio = state.sineRatio;
}

void Kovril::replay(const geometry::Action& action) {
    using Kind = geometry::Action::Kind;
    switch (action.kind) {
    case Kind::FirstPicture:
        surface().Cls();
        scene::drawFirstPicture(*this);
        return;
    case Kind::Clear:
        return clearDrawing();
    case Kind::Command1:
        return Command1_Click();
    case Kind::Command2:
        return Command2_Click();
    case Kind::Command3:
        return Command3_Click();
    case Kind::Command4:
        return Command4_Click();
    case Kind::Command5:
        return Command5_Click();
    case Kind::Print:
        // What printing leaves on the window, without printing again.
        surface().FillStyle = surface::FillMode::Solid;
        geometry::sineRatio = action.sineRatio;
        return;
    case Kind::YellowPoint:
        return thesiy_Change();
    case Kind::RayCount:
        return arithmosaktinon_Change();
    case Kind::TrialPoint:
        return shmeio_thesi_Change();
    case Kind::Time:
        return xronosmetato_Change();
    case Kind::Drop:
        return drawDrop(scene::insideFrame(action.source), scene::insideFrame(action.bluePoint));
    }
}

void Kovril::relayout() {
    scene::placeLessonNote(*this);
    const QSize size = this->size();
    const QImage& picture = surface().image();
    const bool sameFrame = picture.size() == size * devicePixelRatioF() &&
                           picture.devicePixelRatio() == devicePixelRatioF();
    if (sameFrame || state_.log.actions.empty())
        return;

    geometry::Point source = state_.source;
    const geometry::Point bluePoint = state_.bluePoint;
    const QPointF sourcePixel = surface().toPaint(source.x, source.y);
    // The markers keep their size on the screen, as start-up gives it in twips.
    const QSizeF markerPixels = shapeArea(*kyklos).size();
    resetPicture();
    scene::frameWindow(*this);
    // Before anything is done the window is still starting: the source keeps its place on
    // the window, as start-up puts it, rather than in the scene. A scene that was opened put
    // it in the scene, even when all it holds is the first picture.
    const std::vector<geometry::Action>& actions = state_.log.actions;
    const bool starting = sourceAtStartPlace_ && actions.size() == 1 &&
                          actions.front().kind == geometry::Action::Kind::FirstPicture;
    if (starting) {
        const QPointF at = surface().fromPaint(sourcePixel);
        source = {at.x(), at.y()};
    }
    const double unit = std::abs(surface().toPaint(1, 0).x() - surface().toPaint(0, 0).x());
    const float width = float(markerPixels.width() / unit);
    const float height = float(markerPixels.height() / unit);
    for (auto [marker, at] : {std::pair{kyklos, source}, std::pair{shmeio, bluePoint}}) {
        const geometry::Point inside = scene::insideFrame(at);
        marker->setGeometryInFrame(float(inside.x - width / 2.0), float(inside.y + height / 2.0),
                                   width, height);
    }
    noteMarkers();
    showTools(state_.tools);

    const surface::HeldMessages held;
    drawLog();
    // Nothing done yet: the start the history keeps is the one this window shows.
    if (starting)
        history_ = geometry::SceneHistory(state_);
    // The object, like the markers, stays inside a smaller frame.
    object_Change(state_.object, false);
}

void Kovril::drawLog() {
    // Replayed, an action leaves the state it left before; the drawing properties it started
    // from are those of the log.
    replaying_ = true;
    restore(state_.log.start);
    for (const geometry::Action& action : state_.log.actions)
        replay(action);
    replaying_ = false;
    showChanges();
}

void Kovril::replayOn(surface::Surface& other) {
    const surface::HeldMessages held;
    const surface::Surface& own = *surface_;
    other.Scale(own.ScaleLeft(), own.ScaleTop(), own.ScaleLeft() + own.ScaleWidth(),
                own.ScaleTop() + own.ScaleHeight());
    active_ = &other;
    drawLog();
    active_ = surface_.get();
}

geometry::SceneState Kovril::startDefaults() const {
    geometry::SceneState d;
    // The source's start-up place is fixed on the window in twips, not in the scene.
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    const QPointF sourcePixel(3066 * dpi / 1440, 4386 * dpi / 1440);
    const QPointF source = surface_->fromPaint(sourcePixel);
    d.source = {source.x(), source.y()};
    d.bluePoint = d.lens.frontSurfacePoint(0);
    geometry::StartState& start = d.log.start;
    start.drawing.fillStyle = surface::FillMode::Solid;
    start.drawing.fillColor = {150, 150, 80};
    const auto text = [](const char* greek) {
        return QCoreApplication::translate("Window", greek).toStdString();
    };
    start.labels = {"",
                    text(QT_TRANSLATE_NOOP("Window", "ψ= 0")),
                    "",
                    "",
                    "",
                    text(QT_TRANSLATE_NOOP("Window", "αριθμός σημείων =10")),
                    text(QT_TRANSLATE_NOOP("Window", "Χρονος=5")),
                    text(QT_TRANSLATE_NOOP("Window", "ψ blue = 0"))};
    start.label3Points = 13.5;
    start.sineRatio = d.lens.index();
    return d;
}

void Kovril::applyScene(const geometry::SceneState& scene) {
    // What the labels show and whether the blue point stands on the lens are the window's
    // until the scene's drawing changes them.
    geometry::SceneState shown = scene;
    shown.labels = state_.labels;
    shown.label3Points = state_.label3Points;
    shown.blueOnSurface = state_.blueOnSurface;
    geometry::ActionLog& log = shown.log;
    // Saved by a window in the other language, the labels speak this one's.
    for (std::string& text : log.start.labels)
        text = scene::inWindowLanguage(QString::fromStdString(text)).toStdString();
    // A picture starts from the bare lens unless its first action draws one itself.
    if (log.actions.empty() || !geometry::clearsThePicture(log.actions.front().kind)) {
        geometry::Action clear;
        clear.kind = geometry::Action::Kind::Clear;
        log.actions.insert(log.actions.begin(), clear);
    }
    showScene(shown);
}

void Kovril::showScene(const geometry::SceneState& scene) {
    // What the picture shows is the viewer's choice; undo and a scene file leave it.
    const geometry::Layers layers = state_.layers;
    state_ = scene;
    state_.layers = layers;
    for (auto [bar, value] :
         {std::pair{thesiy, scene.thesiy}, std::pair{shmeio_thesi, scene.shmeio_thesi},
          std::pair{arithmosaktinon, scene.arithmosaktinon},
          std::pair{xronosmetato, scene.xronosmetato}}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(value);
    }
    geometry::shareLens(lens());
    placeSource(scene::insideFrame(scene.source));
    placeBluePoint(scene::insideFrame(scene.bluePoint));
    sourceAtStartPlace_ = false;
    showTools(scene.tools);
    drawLog();
    object_Change(scene.object, false);
    if (lensPanel)
        lensPanel->follow();
}

bool Kovril::openSceneFile(const QString& path) {
    const std::variant<geometry::SceneState, QString> read =
        scene::loadSceneFile(path, startDefaults());
    if (const QString* problem = std::get_if<QString>(&read)) {
        surface::MsgBox(QCoreApplication::translate(
                            "Kovril", "Το αρχείο %1 δεν άνοιξε: %2. Η εικόνα έμεινε όπως ήταν.")
                            .arg(QDir::toNativeSeparators(path), *problem));
        return false;
    }
    applyScene(std::get<geometry::SceneState>(read));
    scene::hideLessonNote(*this);
    history_.note(state_);
    scenePath_ = path;
    history_.markSaved();
    showHistory();
    return true;
}
