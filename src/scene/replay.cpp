// The window keeps what was drawn since the last clear, so that a new size of the window
// (a projector, full screen, another screen) shows the same picture on the new frame.
#include "geometry/state.h"
#include "scene/frame.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "surface/messagebox.h"

#include <algorithm>
#include <cmath>

namespace {

QLabel* label(Kovril& w, int i) {
    QLabel* const all[] = {nullptr,  w.Label1, w.Label2, w.Label3,
                           w.Label4, w.Label5, w.Label6, w.Label7};
    return all[i];
}

geometry::Point insideFrame(geometry::Point p) {
    return {std::clamp(p.x, -double(geometry::halfWidth), double(geometry::halfWidth)),
            std::clamp(p.y, -double(geometry::halfHeight), double(geometry::halfHeight))};
}

} // namespace

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

scene::StartState Kovril::currentState() {
    const surface::Surface& s = surface();
    scene::StartState state{s.DrawStyle, s.DrawWidth, s.FillStyle, s.FillColor,
                            s.FontSize,  {},          0,           geometry::sineRatio};
    for (int i = 1; i <= 7; ++i)
        state.labels[std::size_t(i)] = label(*this, i)->text();
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
    for (int i = 1; i <= 7; ++i)
        label(*this, i)->setText(state.labels[std::size_t(i)]);
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
        return drawDrop(insideFrame(action.source), insideFrame(action.bluePoint));
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
    // the window, as start-up puts it, rather than in the scene.
    const bool starting =
        log_.actions.size() == 1 && log_.actions.front().kind == scene::Action::Kind::FirstPicture;
    if (starting) {
        const QPointF at = surface().fromPaint(sourcePixel);
        source = {at.x(), at.y()};
    }
    const double unit = std::abs(surface().toPaint(1, 0).x() - surface().toPaint(0, 0).x());
    const float width = float(markerPixels.width() / unit);
    const float height = float(markerPixels.height() / unit);
    for (auto [marker, at] : {std::pair{kyklos, source}, std::pair{shmeio, bluePoint}}) {
        const geometry::Point inside = insideFrame(at);
        marker->setGeometryInFrame(float(inside.x - width / 2.0), float(inside.y + height / 2.0),
                                   width, height);
    }

    // Replayed, an action leaves the state it left before; the drawing properties it started
    // from are those of the log.
    const surface::HeldMessages held;
    replaying_ = true;
    restore(log_.start);
    for (const scene::Action& action : log_.actions)
        replay(action);
    replaying_ = false;
    update();
}
