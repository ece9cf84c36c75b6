// SPDX-License-Identifier: GPL-3.0-or-later
// The ruler's length, the protractor's angle and the snapping of an end, against figures whose
// answers are known exactly.
#include "geometry/measuring_tools.h"

#include "checks.h"

using checks::check;
using checks::near;
using geometry::Point;

namespace {

struct AngleCase {
    const char* name;
    Point vertex, first, second;
    double degrees;
};

const AngleCase angles[] = {
    {"right angle", {10, 10}, {20, 10}, {10, -5}, 90},
    {"45°, arms of different lengths", {0, 0}, {3, 0}, {7, 7}, 45},
    {"straight, 180°", {-5, 2}, {-15, 2}, {40, 2}, 180},
    {"arms along each other", {1, 1}, {4, 5}, {7, 9}, 0},
    {"60° of an equilateral triangle", {0, 0}, {2, 0}, {1, 1.7320508075688772}, 60},
    {"an arm of no length", {3, 3}, {3, 3}, {9, 9}, 0},
};

void protractorAngles() {
    for (const AngleCase& c : angles) {
        const geometry::Protractor p{c.vertex, {c.first, c.second}};
        near(geometry::protractorDegrees(p), c.degrees, 1e-9, "angle", c.name);
        const geometry::Protractor swapped{c.vertex, {c.second, c.first}};
        near(geometry::protractorDegrees(swapped), c.degrees, 1e-9, "arms swapped", c.name);
    }
}

void rulerLengths() {
    near(geometry::rulerLength({{-1, -1}, {2, 3}}), 5, 1e-12, "3-4-5", "ruler");
    near(geometry::rulerLength({{7, 7}, {7, 7}}), 0, 0, "no length", "ruler");
}

void snapping() {
    const std::vector<geometry::NamedPoint> points = {{"A", {0, 0}}, {"B", {3, 0}}};
    check(geometry::snapTo({1.2, 0.5}, points, 2) == Point{0, 0}, "the nearer of two", "snapTo");
    check(geometry::snapTo({1.8, 0}, points, 2) == Point{3, 0}, "the nearer of two", "snapTo");
    check(geometry::snapTo({0, 2.5}, points, 2) == Point{0, 2.5}, "beyond tolerance", "snapTo");
    check(geometry::snapTo({0, 2}, points, 2) == Point{0, 0}, "at the tolerance", "snapTo");
    check(geometry::snapStep({-3, 0}, {-1, 0}, points, 1.5) == Point{0, 0}, "a step onto A",
          "snapStep");
    check(geometry::snapStep({0, 0}, {-1, 0}, points, 1.5) == Point{-1, 0}, "a step off A",
          "snapStep");
    check(geometry::snapStep({-1, 0}, {-2, 0}, points, 1.5) == Point{-2, 0}, "a step away",
          "snapStep");
}

void movingEnds() {
    geometry::MeasuringTools tools;
    tools.ruler = geometry::Ruler{{0, 0}, {1, 1}};
    const geometry::MeasuringTools moved =
        geometry::withEndAt(tools, geometry::ToolEnd::RulerTo, {5, 5});
    check(moved.ruler->to == Point{5, 5} && moved.ruler->from == Point{0, 0}, "the one end",
          "withEndAt");
    check(!geometry::endPoint(moved, geometry::ToolEnd::Vertex), "no protractor, no vertex",
          "endPoint");
    check(geometry::withEndAt(tools, geometry::ToolEnd::FirstArm, {5, 5}) == tools,
          "a hidden tool stays hidden", "withEndAt");
}

} // namespace

int main() {
    protractorAngles();
    rulerLengths();
    snapping();
    movingEnds();
    return checks::summary();
}
