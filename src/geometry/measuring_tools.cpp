// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/measuring_tools.h"

#include <cmath>
#include <numbers>

namespace geometry {

namespace {

double distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// The nearest candidate within tolerance of a point that passes the test.
template <typename Test>
std::optional<Point> nearest(Point point, const std::vector<NamedPoint>& candidates,
                             double tolerance, Test test) {
    std::optional<Point> best;
    double bestDistance = tolerance;
    for (const NamedPoint& candidate : candidates) {
        const double d = distance(point, candidate.at);
        if (d <= bestDistance && test(candidate.at)) {
            best = candidate.at;
            bestDistance = d;
        }
    }
    return best;
}

// The end of a shown tool, as a pointer into the tools (to a const point for const tools).
template <typename Tools> auto endIn(Tools& tools, ToolEnd end) -> decltype(&tools.ruler->from) {
    const bool ruler = tools.ruler.has_value(), protractor = tools.protractor.has_value();
    switch (end) {
    case ToolEnd::RulerFrom:
        return ruler ? &tools.ruler->from : nullptr;
    case ToolEnd::RulerTo:
        return ruler ? &tools.ruler->to : nullptr;
    case ToolEnd::Vertex:
        return protractor ? &tools.protractor->vertex : nullptr;
    case ToolEnd::FirstArm:
        return protractor ? &tools.protractor->arms[0] : nullptr;
    case ToolEnd::SecondArm:
        return protractor ? &tools.protractor->arms[1] : nullptr;
    }
    return nullptr;
}

} // namespace

Ruler startRuler() {
    return {{-200, -120}, {0, -120}};
}

Protractor startProtractor() {
    return {{80, -120}, {Point{200, -120}, Point{160, -40}}};
}

double rulerLength(const Ruler& ruler) {
    return distance(ruler.from, ruler.to);
}

double protractorDegrees(const Protractor& p) {
    const double ax = p.arms[0].x - p.vertex.x, ay = p.arms[0].y - p.vertex.y;
    const double bx = p.arms[1].x - p.vertex.x, by = p.arms[1].y - p.vertex.y;
    if ((ax == 0 && ay == 0) || (bx == 0 && by == 0))
        return 0;
    // atan2 of the cross and dot products keeps its precision near 0° and 180°.
    return std::atan2(std::abs(ax * by - ay * bx), ax * bx + ay * by) * 180 / std::numbers::pi;
}

std::optional<Point> endPoint(const MeasuringTools& tools, ToolEnd end) {
    if (const Point* p = endIn(tools, end))
        return *p;
    return std::nullopt;
}

MeasuringTools withEndAt(MeasuringTools tools, ToolEnd end, Point at) {
    if (Point* p = endIn(tools, end))
        *p = at;
    return tools;
}

Point snapTo(Point point, const std::vector<NamedPoint>& candidates, double tolerance) {
    return nearest(point, candidates, tolerance, [](Point) { return true; }).value_or(point);
}

Point snapStep(Point from, Point to, const std::vector<NamedPoint>& candidates, double tolerance) {
    return nearest(to, candidates, tolerance,
                   [&](Point c) { return distance(to, c) < distance(from, c); })
        .value_or(to);
}

} // namespace geometry
