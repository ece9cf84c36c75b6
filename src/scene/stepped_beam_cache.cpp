// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/stepped_beam_cache.h"

#include "geometry/state.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "surface/messagebox.h"
#include "timestep/time_stepped_beam.h"

#include <optional>
#include <vector>

namespace scene {

namespace {

// Everything the scene redraw, the beam and the continuations read. A picture kept for other
// inputs is never used: any change of one (a drag, the ray count, a resize, what printing
// or another construction left on the surface) draws afresh.
struct Inputs {
    std::uint64_t surface = 0;
    bool recorded = false; // the calls drawn were kept for a recorder
    QSize pictureSize;
    QColor background;
    qreal pixelRatio = 1;
    float scaleLeft = 0, scaleTop = 0, scaleWidth = 0, scaleHeight = 0;
    int drawWidth = 1;
    surface::PenStyle drawStyle = surface::PenStyle::Solid;
    surface::FillMode fillStyle = surface::FillMode::Solid;
    QColor fillColor;
    double fontSize = 0;
    QColor foreColor;
    float sourceX = 0, sourceY = 0;
    int rays = 0;
    int yellowPoint = 0;
    geometry::Lens lens = geometry::Lens::standard();
    geometry::Layers layers;
    float frame[3] = {};
    float origin[2] = {};

    bool operator==(const Inputs&) const = default;
};

Inputs inputsOf(Kovril& w) {
    const surface::Surface& s = w.surface();
    Inputs in;
    in.surface = s.id();
    in.pictureSize = s.image().size();
    in.background = s.background();
    in.pixelRatio = s.image().devicePixelRatio();
    in.scaleLeft = s.ScaleLeft();
    in.scaleTop = s.ScaleTop();
    in.scaleWidth = s.ScaleWidth();
    in.scaleHeight = s.ScaleHeight();
    in.drawWidth = s.DrawWidth;
    in.drawStyle = s.DrawStyle;
    in.fillStyle = s.FillStyle;
    in.fillColor = s.FillColor;
    in.fontSize = s.FontSize;
    in.foreColor = s.ForeColor;
    in.sourceX = w.source().x;
    in.sourceY = w.source().y;
    in.recorded = surface::Surface::recording();
    in.rays = w.state().arithmosaktinon;
    in.yellowPoint = w.state().thesiy;
    in.lens = w.lens();
    in.layers = w.state().layers;
    in.frame[0] = geometry::pi;
    in.frame[1] = geometry::halfWidth;
    in.frame[2] = geometry::halfHeight;
    in.origin[0] = originPxX;
    in.origin[1] = originPxY;
    return in;
}

// What the drawing left: on the window, in the shared results and for the student.
struct Drawn {
    Inputs inputs;
    surface::SurfaceSnapshot picture;
    std::vector<surface::DrawCall> calls;
    timestep::SteppedBeam stepped;
    QStringList messages;
    float widthFrac = 0, heightFrac = 0;
};

std::optional<Drawn>& kept() {
    static std::optional<Drawn> instance;
    return instance;
}

bool& enabled() {
    static bool on = true;
    return on;
}

// The scene cleared and redrawn, and the beam traced on it.
timestep::SteppedBeam drawAfresh(Kovril& w) {
    w.surface().Cls();
    redrawScene(w);
    return timestep::traceSteppedBeam(w.surface(), w.lens(), w.source(), w.state().arithmosaktinon,
                                      w.state().layers);
}

Drawn draw(Kovril& w, const Inputs& inputs, QImage reuse) {
    const surface::CallTranscript calls;
    const surface::MessageTranscript messages;
    Drawn d;
    d.stepped = drawAfresh(w);
    d.inputs = inputs;
    d.picture = w.surface().snapshot(std::move(reuse));
    d.calls = calls.calls();
    d.messages = messages.texts();
    d.widthFrac = geometry::widthFrac;
    d.heightFrac = geometry::heightFrac;
    return d;
}

void putBack(Kovril& w, const Drawn& d) {
    w.surface().restore(d.picture);
    surface::Surface::reportAgain(d.calls);
    for (const QString& text : d.messages)
        surface::MsgBox(text);
    geometry::shareBeam(d.stepped.beam);
    geometry::widthFrac = d.widthFrac;
    geometry::heightFrac = d.heightFrac;
}

} // namespace

timestep::SteppedBeam drawSceneAndSteppedBeam(Kovril& window) {
    // Only the window's own picture is kept; a page, an SVG or a PDF is drawn whole.
    if (!window.surface().hasImage())
        return drawAfresh(window);
    const Inputs inputs = inputsOf(window);
    if (enabled() && kept() && kept()->inputs == inputs) {
        putBack(window, *kept());
        return kept()->stepped;
    }
    // The memory of the picture kept before serves again: a new 4K picture costs thousands of
    // page faults.
    QImage reuse = kept() ? std::move(kept()->picture.picture) : QImage();
    kept().reset();
    Drawn drawn = draw(window, inputs, std::move(reuse));
    const timestep::SteppedBeam stepped = drawn.stepped;
    if (enabled())
        kept() = std::move(drawn);
    else
        kept().reset();
    return stepped;
}

void setSteppedBeamCacheEnabled(bool on) {
    enabled() = on;
    kept().reset();
}

} // namespace scene
