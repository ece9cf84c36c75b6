// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/object_scene.h"

#include "geometry/object_image.h"
#include "surface/arrowhead.h"
#include "surface/picture_inks.h"

#include <cmath>
#include <tuple>

namespace image {

namespace {

using geometry::Point;

void line(surface::Surface& s, const surface::Ink& ink, Point a, Point b) {
    s.DrawWidth = ink.width;
    s.DrawStyle = ink.style;
    s.Line(a.x, a.y, b.x, b.y, ink.color);
}

// A ray's segment, with an arrowhead the way light travels when asked.
void ray(surface::Surface& s, const surface::Ink& ink, Point a, Point b, bool arrows) {
    line(s, ink, a, b);
    if (arrows)
        surface::drawArrowhead(s, a.x, a.y, b.x, b.y);
}

void dot(surface::Surface& s, const surface::Ink& ink, Point at) {
    s.DrawWidth = ink.width;
    s.DrawStyle = surface::PenStyle::Solid;
    s.PSet(at.x, at.y, ink.color);
}

void caption(surface::Surface& s, Point at, const QString& text, QColor color) {
    s.CurrentX = at.x;
    s.CurrentY = at.y;
    s.ForeColor = color;
    s.Print(text);
}

// Where a line from a point along a direction leaves the picture on the right.
Point toRightEdge(const surface::Surface& s, Point from, Point direction) {
    const double right = s.ScaleLeft() + s.ScaleWidth();
    if (direction.x <= 0)
        return from;
    const double t = (right - from.x) / direction.x;
    return {from.x + t * direction.x, from.y + t * direction.y};
}

// An arrow from the axis up (or down) to its tip, its head a few pixels long on any frame.
void arrow(surface::Surface& s, const surface::Ink& ink, Point foot, Point tip) {
    line(s, ink, foot, tip);
    const double head = std::abs(s.ScaleWidth()) / 90;
    const double down = tip.y >= foot.y ? -head : head;
    line(s, ink, tip, {tip.x - head / 2, tip.y + down});
    line(s, ink, tip, {tip.x + head / 2, tip.y + down});
}

// A ray that leaves the lens at `from` towards or away from the image at `image`: on to the
// picture's edge, and for a virtual image its extension back to the image, dashed.
void outgoing(surface::Surface& s, const surface::Ink& ink, const surface::Ink& backward,
              Point from, Point direction, Point image, bool real, bool arrows) {
    ray(s, ink, from, toRightEdge(s, from, direction), arrows);
    if (!real)
        line(s, backward, from, image);
}

Point unit(Point from, Point to) {
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    return {(to.x - from.x) / length, (to.y - from.y) / length};
}

void drawFan(surface::Surface& s, Point tip, const geometry::TracedImage& traced, bool arrows) {
    for (const geometry::FanRay& fanRay : traced.rays) {
        ray(s, surface::inks::imageFan, tip, fanRay.entry, arrows);
        ray(s, surface::inks::imageFan, fanRay.entry, fanRay.exit, arrows);
        // Each ray backwards along its own line, as far as the image's plane: away from the
        // axis the rays miss the image's tip, which is the aberration.
        const bool backwards = traced.formed && !traced.real && fanRay.direction.x != 0;
        const double t = backwards ? (traced.tip.x - fanRay.exit.x) / fanRay.direction.x : 0;
        const Point back{fanRay.exit.x + t * fanRay.direction.x,
                         fanRay.exit.y + t * fanRay.direction.y};
        outgoing(s, surface::inks::imageFan, surface::inks::imageFanBackward, fanRay.exit,
                 fanRay.direction, back, !backwards, arrows);
    }
    for (const Point& at : traced.meetings)
        dot(s, surface::inks::aberrationDots, at);
}

// The three rays of the construction: parallel to the axis then through F′, through F then
// parallel, and towards H leaving H′ in the same direction.
void drawPrincipalRays(surface::Surface& s, Point tip, const geometry::EquationImage& image,
                       bool arrows) {
    const geometry::CardinalPoints& p = image.points;
    const Point to = image.tip;
    const bool real = image.real();
    const surface::Ink& ink = surface::inks::equationRays;
    const surface::Ink& back = surface::inks::equationRaysBackward;

    ray(s, ink, tip, {p.h1, tip.y}, arrows);
    const Point parallelOut{p.h2, tip.y};
    outgoing(s, ink, back, parallelOut, unit(parallelOut, {p.f2, 0}), to, real, arrows);

    // Through F: the line from the tip through F reaches H at the image's height.
    ray(s, ink, tip, {p.h1, to.y}, arrows);
    const Point throughFOut{p.h2, to.y};
    outgoing(s, ink, back, throughFOut, {1, 0}, to, real, arrows);

    ray(s, ink, tip, {p.h1, 0}, arrows);
    outgoing(s, ink, back, {p.h2, 0}, unit(tip, {p.h1, 0}), to, real, arrows);
}

void drawCardinalPoints(surface::Surface& s, const geometry::CardinalPoints& p) {
    const double top = s.ScaleTop();
    const double bottom = s.ScaleTop() + s.ScaleHeight();
    const QColor color = surface::inks::equationPlanes.color;
    const double lift = std::abs(s.ScaleHeight()) / 60;
    // Above the axis, H's name left of its plane and H′'s right of its own: in a thin lens the
    // two planes almost meet.
    for (const auto& [x, name, shift] :
         {std::tuple{p.h1, "H", -1.6 * lift}, std::tuple{p.h2, "H′", 0.4 * lift}}) {
        line(s, surface::inks::equationPlanes, {x, top}, {x, bottom});
        caption(s, {x + shift, 2.2 * lift}, QString::fromUtf8(name), color);
    }
    for (const auto& [x, name] : {std::pair{p.f1, "F"}, std::pair{p.f2, "F′"}}) {
        dot(s, surface::inks::equationFoci, {x, 0});
        caption(s, {x, -lift}, QString::fromUtf8(name), surface::inks::equationFoci.color);
    }
}

struct SavedProperties {
    explicit SavedProperties(surface::Surface& s)
        : s_(s), width_(s.DrawWidth), style_(s.DrawStyle), fore_(s.ForeColor), x_(s.CurrentX),
          y_(s.CurrentY) {}
    ~SavedProperties() {
        s_.DrawWidth = width_;
        s_.DrawStyle = style_;
        s_.ForeColor = fore_;
        s_.CurrentX = x_;
        s_.CurrentY = y_;
    }
    SavedProperties(const SavedProperties&) = delete;
    SavedProperties& operator=(const SavedProperties&) = delete;

private:
    surface::Surface& s_;
    int width_;
    surface::PenStyle style_;
    QColor fore_;
    double x_;
    double y_;
};

} // namespace

void drawObjectScene(surface::Surface& s, const geometry::Lens& lens,
                     const geometry::ObjectArrow& object, int n, const geometry::Layers& layers) {
    const SavedProperties kept(s);
    const Point foot{object.x, 0};
    const Point tip{object.x, object.height};
    const geometry::TracedImage traced = geometry::tracedImage(lens, object, n);
    drawFan(s, tip, traced, layers.directionArrows);
    const geometry::EquationImage image = geometry::equationImage(lens, object);
    if (image.points.focussing && layers.cardinal)
        drawCardinalPoints(s, image.points);
    if (image.formed) {
        if (layers.cardinal)
            drawPrincipalRays(s, tip, image, layers.directionArrows);
        arrow(s, image.real() ? surface::inks::realImage : surface::inks::virtualImage,
              {image.tip.x, 0}, image.tip);
    }
    arrow(s, surface::inks::objectArrow, foot, tip);
}

} // namespace image
