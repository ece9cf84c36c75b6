// SPDX-License-Identifier: GPL-3.0-or-later
// The window keeps what was drawn since the last clear, so that a new size of the window
// (a projector, full screen, another screen) shows the same picture on the new frame.
#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/frame.h"
#include "scene/kovril.h"
#include "scene/label_language.h"
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

void Kovril::record(const scene::Action& action) {
    if (replaying_)
        return;
    if (scene::clearsThePicture(action.kind)) {
        log_.start = currentState();
        log_.actions.clear();
    }
    log_.actions.push_back(action);
}

void Kovril::record(scene::Action::Kind kind) {
    scene::Action action;
    action.kind = kind;
    record(action);
}

bool Kovril::recordDrawing(scene::Action::Kind kind) {
    const int rays = arithmosaktinon->Value();
    if (!replaying_ &&
        scene::replayCost(log_, rays) + scene::replayCost(kind, rays) > scene::replayBudget) {
        surface::MsgBox(QCoreApplication::translate(
            "Kovril", "Η εικόνα έχει ήδη πάρα πολλά σχέδια. Καθαρίστε την (Ctrl+L) και "
                      "σχεδιάστε ξανά."));
        return false;
    }
    record(kind);
    return true;
}

scene::StartState Kovril::currentState() {
    const surface::Surface& s = surface();
    scene::StartState state{s.DrawStyle, s.DrawWidth, s.FillStyle, s.FillColor,
                            s.FontSize,  {},          0,           geometry::sineRatio};
    const std::array<QLabel*, 8> all = labels();
    for (std::size_t i = 1; i < all.size(); ++i)
        state.labels[i] = all[i]->text();
    state.label3Points = Label3->font().pointSizeF();
    return state;
}

void Kovril::restore(const scene::StartState& state) {
    surface::Surface& s = surface();
    s.DrawStyle = state.drawStyle;
    s.DrawWidth = state.drawWidth;
    s.FillStyle = state.fillStyle;
    s.FillColor = state.fillColor;
    s.FontSize = state.fontSize;
    const std::array<QLabel*, 8> all = labels();
    for (std::size_t i = 1; i < all.size(); ++i)
        all[i]->setText(state.labels[i]);
    QFont font = Label3->font();
    font.setPointSizeF(state.label3Points);
    Label3->setFont(font);
    geometry::sineRatio = state.sineRatio;
}

void Kovril::replay(const scene::Action& action) {
    using Kind = scene::Action::Kind;
    switch (action.kind) {
    case Kind::FirstPicture:
        surface().Cls();
        scene::drawFirstPicture(*this);
        return;
    case Kind::Clear:
        return clearPicture();
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
    const QSize size = this->size();
    const QImage& picture = surface().image();
    const bool sameFrame = picture.size() == size * devicePixelRatioF() &&
                           picture.devicePixelRatio() == devicePixelRatioF();
    if (sameFrame || log_.actions.empty())
        return;

    geometry::Point source = {kyklos->centreX(), kyklos->centreY()};
    const geometry::Point bluePoint = {shmeio->centreX(), shmeio->centreY()};
    const QPointF sourcePixel = surface().toPaint(source.x, source.y);
    // The markers keep their size on the screen, as start-up gives it in twips.
    const QSizeF markerPixels = shapeArea(*kyklos).size();
    resetPicture();
    scene::frameWindow(*this);
    // Before anything is done the window is still starting: the source keeps its place on
    // the window, as start-up puts it, rather than in the scene. A scene that was opened put
    // it in the scene, even when all it holds is the first picture.
    const bool starting = sourceAtStartPlace_ && log_.actions.size() == 1 &&
                          log_.actions.front().kind == scene::Action::Kind::FirstPicture;
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

    const surface::HeldMessages held;
    drawLog();
}

void Kovril::drawLog() {
    // Replayed, an action leaves the state it left before; the drawing properties it started
    // from are those of the log.
    replaying_ = true;
    restore(log_.start);
    for (const scene::Action& action : log_.actions)
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

scene::SceneDocument Kovril::sceneDocument() const {
    return {{kyklos->centreX(), kyklos->centreY()},
            {shmeio->centreX(), shmeio->centreY()},
            thesiy->Value(),
            shmeio_thesi->Value(),
            arithmosaktinon->Value(),
            xronosmetato->Value(),
            log_};
}

scene::SceneDocument Kovril::startDefaults() const {
    scene::SceneDocument d;
    // The source's start-up place is fixed on the window in twips, not in the scene.
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    const QPointF sourcePixel(3066 * dpi / 1440, 4386 * dpi / 1440);
    const QPointF source = surface_->fromPaint(sourcePixel);
    d.source = {source.x(), source.y()};
    d.bluePoint = lens().frontSurfacePoint(0);
    scene::StartState& start = d.log.start;
    start.fillStyle = surface::FillMode::Solid;
    start.fillColor = QColor(150, 150, 80);
    start.labels = {QString(),
                    QCoreApplication::translate("Window", "ψ= 0"),
                    QString(),
                    QString(),
                    QString(),
                    QCoreApplication::translate("Window", "αριθμός σημείων =10"),
                    QCoreApplication::translate("Window", "Χρονος=5"),
                    QCoreApplication::translate("Window", "ψ blue = 0")};
    start.label3Points = 13.5;
    start.sineRatio = lens().index();
    return d;
}

void Kovril::applyScene(const scene::SceneDocument& document) {
    for (auto [bar, value] :
         {std::pair{thesiy, document.thesiy}, std::pair{shmeio_thesi, document.shmeio_thesi},
          std::pair{arithmosaktinon, document.arithmosaktinon},
          std::pair{xronosmetato, document.xronosmetato}}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(value);
    }
    for (auto [marker, at] :
         {std::pair{kyklos, document.source}, std::pair{shmeio, document.bluePoint}}) {
        const geometry::Point inside = scene::insideFrame(at);
        marker->moveCentreTo(inside.x, inside.y);
    }
    sourceAtStartPlace_ = false;
    log_ = document.log;
    // Saved by a window in the other language, the labels speak this one's.
    for (QString& text : log_.start.labels)
        text = scene::inWindowLanguage(text);
    // A picture starts from the bare lens unless its first action draws one itself.
    if (log_.actions.empty() || !scene::clearsThePicture(log_.actions.front().kind)) {
        scene::Action clear;
        clear.kind = scene::Action::Kind::Clear;
        log_.actions.insert(log_.actions.begin(), clear);
    }
    drawLog();
}

bool Kovril::openSceneFile(const QString& path) {
    const std::variant<scene::SceneDocument, QString> read =
        scene::loadSceneFile(path, startDefaults());
    if (const QString* problem = std::get_if<QString>(&read)) {
        surface::MsgBox(QCoreApplication::translate(
                            "Kovril", "Το αρχείο %1 δεν άνοιξε: %2. Η εικόνα έμεινε όπως ήταν.")
                            .arg(QDir::toNativeSeparators(path), *problem));
        return false;
    }
    applyScene(std::get<scene::SceneDocument>(read));
    return true;
}
