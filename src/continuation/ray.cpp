// SPDX-License-Identifier: GPL-3.0-or-later
#include "continuation/ray.h"

#include "continuation/captions.h"
#include "geometry/lens.h"
#include "geometry/ray_continuation.h"
#include "geometry/state.h"
#include "surface/arrowhead.h"
#include "surface/guarded.h"
#include "surface/messagebox.h"
#include "surface/picture_inks.h"

namespace continuation {

namespace {

const QColor& magenta = surface::inks::constructionToP.color;
const QColor& red = surface::inks::constructionAbove.color;
const QColor& green = surface::inks::constructionBelow.color;

constexpr double rayReach = 50; // the undeviated ray ends this far right of P

void drawConstruction(surface::Surface& s, const geometry::HuygensPass& pass,
                      geometry::Source source, const geometry::Layers& layers) {
    s.Line(source.x, source.y, pass.a.x, pass.a.y, magenta);
    s.LineTo(pass.px, pass.py, magenta);
    if (layers.directionArrows) {
        surface::drawArrowhead(s, source.x, source.y, pass.a.x, pass.a.y);
        surface::drawArrowhead(s, pass.a.x, pass.a.y, pass.px, pass.py);
    }
    s.Line(source.x, source.y, pass.b.x, pass.b.y, red);
    s.LineTo(pass.plusX, pass.plusY, red);
    s.Line(source.x, source.y, pass.c.x, pass.c.y, red);
    s.LineTo(pass.minusX, pass.minusY, red);
    s.Circle(pass.px, pass.py, pass.rA);
    s.Circle(pass.plusX, pass.plusY, pass.rB, red);
    s.Circle(pass.minusX, pass.minusY, pass.rC, green);
}

// The rear surface's normal at P, dashed from its centre of curvature on to x = 400; at a
// flat face, from the front vertex's x.
void drawNormal(surface::Surface& s, const geometry::Lens& lens, double px, double py) {
    const geometry::LensFace& rear = lens.rear();
    s.DrawStyle = surface::inks::rearNormal.style;
    if (rear.flat)
        s.Line(lens.front().vertexX, py, 400, py);
    else
        s.Line(rear.centreX, 0, 400, py + (400 - px) * py / (px - rear.centreX));
    s.DrawStyle = surface::PenStyle::Solid;
}

// Along the normal the ray leaves without turning: on along A -> P, which may be steep.
void drawUndeviatedRay(surface::Surface& s, const geometry::Lens& lens,
                       const geometry::HuygensPass& pass, const geometry::Layers& layers) {
    const double run = pass.px - pass.a.x;
    if (run == 0)
        return;
    const double endY = pass.py + rayReach * (pass.py - pass.a.y) / run;
    surface::guardedLine(s, pass.px, pass.py, pass.px + rayReach, endY, s.ForeColor);
    if (layers.directionArrows)
        surface::drawArrowhead(s, pass.px, pass.py, pass.px + rayReach, endY);
    if (layers.normals)
        drawNormal(s, lens, pass.px, pass.py);
}

surface::LabelTexts drawRay(surface::Surface& s, const geometry::Lens& lens,
                            const geometry::RayContinuation& ray, geometry::Source source,
                            const geometry::Layers& layers) {
    using End = geometry::RayContinuation::End;
    surface::LabelTexts labels;
    for (const geometry::HuygensPass& pass : ray.passes) {
        for (int i = 0; i < geometry::failedSearches(pass); ++i)
            surface::MsgBox(geometry::Message::NotFound);
        drawConstruction(s, pass, source, layers);
    }
    if (ray.refractionMeasured)
        labels.set(3, anglesCaption(ray.measuredIncidence, ray.refraction));

    const geometry::HuygensPass& last = ray.passes.back();
    switch (ray.end) {
    case End::TotalReflection:
        labels.set(1, totalReflectionCaption(ray.critical));
        labels.set(3, incidenceCaption(ray.incidence));
        break;
    case End::Undeviated:
        drawUndeviatedRay(s, lens, last, layers);
        break;
    case End::Outgoing:
        if (ray.aimsAboveAxis())
            surface::MsgBox(geometry::Message::AboveAxis);
        // A ray leaving almost along the surface climbs steeply within its 50 units.
        surface::guardedLine(s, last.px, last.py, ray.qx, ray.qy, s.ForeColor);
        if (layers.directionArrows)
            surface::drawArrowhead(s, last.px, last.py, ray.qx, ray.qy);
        labels.set(4, indexCaption(ray.sineRatio, "0.00"));
        if (layers.normals)
            drawNormal(s, lens, last.px, last.py);
        break;
    case End::NoDirection:
    case End::WrongSide:
    case End::Unsettled:
        break;
    }
    return labels;
}

} // namespace

surface::LabelTexts continueRay(surface::Surface& s, const geometry::Lens& lens,
                                geometry::Source source, std::int16_t v,
                                const geometry::Layers& layers) {
    const geometry::Point p = lens.rearSurfacePoint(v);
    const geometry::RayContinuation ray = geometry::continueRayConstruction(lens, source, p.x, p.y);
    if (ray.indexMeasured)
        geometry::sineRatio = ray.sineRatio;
    s.FillStyle = surface::FillMode::Transparent;
    const surface::LabelTexts labels = drawRay(s, lens, ray, source, layers);
    s.FillStyle = surface::FillMode::Solid;
    return labels;
}

} // namespace continuation
