// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/object_image.h"

#include "geometry/beam_trace.h"

#include <algorithm>
#include <cmath>

namespace geometry {

namespace {

// An object this close to F, relative to f, sends its image beyond any picture.
constexpr double atFocus = 1e-9;
// Neighbouring rays all but parallel meet beyond any scene; their meeting says nothing.
constexpr double sceneReach = 1000;

Point unit(double x, double y) {
    const double length = std::hypot(x, y);
    return {x / length, y / length};
}

// The vector law of refraction leaving the lens: the ray inside along d crosses the face
// whose normal n points the way the light goes; none beyond the critical angle.
std::optional<Point> refractOut(Point d, Point n, double index) {
    const double c = d.x * n.x + d.y * n.y;
    const double root = 1 - index * index * (1 - c * c);
    if (root < 0)
        return std::nullopt;
    const double k = std::sqrt(root) - index * c;
    return unit(index * d.x + k * n.x, index * d.y + k * n.y);
}

std::optional<FanRay> fanRay(const Lens& lens, Source tip, int i, int n) {
    const BeamRay traced = traceRay(lens, tip, i, n);
    if (!traced.found)
        return std::nullopt;
    const Point entry{traced.entryX, traced.entryY};
    const Point exit{traced.exitX, traced.exitY};
    const Point inside = unit(exit.x - entry.x, exit.y - entry.y);
    const Point normal = lens.rear().rightwardNormal(exit.x, exit.y);
    const std::optional<Point> out =
        refractOut(inside, unit(normal.x, normal.y), double(lens.index()));
    if (!out)
        return std::nullopt;
    return FanRay{entry, exit, *out};
}

} // namespace

EquationImage equationImage(const Lens& lens, const ObjectArrow& object) {
    EquationImage image;
    image.points = cardinalPoints(lens);
    const CardinalPoints& p = image.points;
    image.s = p.focussing ? p.h1 - object.x : p.v1 - object.x;
    if (!p.focussing || std::abs(image.s - p.f) <= atFocus * std::abs(p.f))
        return image;
    image.formed = true;
    image.sPrime = 1 / (1 / p.f - 1 / image.s);
    image.magnification = -image.sPrime / image.s;
    image.tip = {p.h2 + image.sPrime, image.magnification * object.height};
    return image;
}

std::optional<Point> meetingPoint(Point a, Point da, Point b, Point db) {
    const double cross = da.x * db.y - da.y * db.x;
    if (std::abs(cross) < 1e-12)
        return std::nullopt;
    const double t = ((b.x - a.x) * db.y - (b.y - a.y) * db.x) / cross;
    return Point{a.x + t * da.x, a.y + t * da.y};
}

TracedImage tracedImage(const Lens& lens, const ObjectArrow& object, int n) {
    TracedImage image;
    const Source tip{float(object.x), float(object.height)};
    for (int i = 0; i <= n; ++i)
        if (const std::optional<FanRay> ray = fanRay(lens, tip, i, n))
            image.rays.push_back(*ray);
    if (image.rays.size() < 2)
        return image;
    for (std::size_t i = 0; i + 1 < image.rays.size(); ++i) {
        const FanRay& a = image.rays[i];
        const FanRay& b = image.rays[i + 1];
        const std::optional<Point> at = meetingPoint(a.exit, a.direction, b.exit, b.direction);
        if (at && std::abs(at->x) <= sceneReach && std::abs(at->y) <= sceneReach)
            image.meetings.push_back(*at);
    }
    if (!image.meetings.empty()) {
        const auto [low, high] =
            std::minmax_element(image.meetings.begin(), image.meetings.end(),
                                [](const Point& a, const Point& b) { return a.x < b.x; });
        image.spread = high->x - low->x;
    }
    // The two rays that leave nearest the axis stand for the paraxial image.
    std::vector<FanRay> inner = image.rays;
    std::partial_sort(
        inner.begin(), inner.begin() + 2, inner.end(),
        [](const FanRay& a, const FanRay& b) { return std::abs(a.exit.y) < std::abs(b.exit.y); });
    const std::optional<Point> at =
        meetingPoint(inner[0].exit, inner[0].direction, inner[1].exit, inner[1].direction);
    if (!at)
        return image;
    image.formed = true;
    image.tip = *at;
    // Ahead of the rays the light itself meets; behind them only their extensions do.
    image.real = (at->x - inner[0].exit.x) * inner[0].direction.x > 0;
    return image;
}

ObjectArrow keptInPicture(const Lens& lens, ObjectArrow object, double left, double top) {
    const double beforeLens = -lens.lensHalfWidth() - 1;
    object.x = std::clamp(object.x, std::min(left, beforeLens), beforeLens);
    object.height = std::clamp(object.height, 1.0, std::max(top, 1.0));
    return object;
}

ObjectTips objectTips(const SceneState& scene) {
    ObjectTips tips;
    if (!scene.object)
        return tips;
    tips.object = Point{scene.object->x, scene.object->height};
    if (const EquationImage image = equationImage(scene.lens, *scene.object); image.formed)
        tips.image = image.tip;
    return tips;
}

} // namespace geometry
