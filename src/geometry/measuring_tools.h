// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The ruler and the protractor a student lays over the picture, as values of the scene, and
// how their ends find the points the picture already has.
namespace geometry {

struct Ruler {
    Point from;
    Point to;

    bool operator==(const Ruler&) const = default;
};

struct Protractor {
    Point vertex;
    std::array<Point, 2> arms; // the far end of each arm

    bool operator==(const Protractor&) const = default;
};

// The tools shown over the picture; a tool left out is not shown.
struct MeasuringTools {
    std::optional<Ruler> ruler;
    std::optional<Protractor> protractor;

    bool operator==(const MeasuringTools&) const = default;
};

// Where a tool first appears: below the axis, clear of the start-up lens and source.
Ruler startRuler();
Protractor startProtractor();

// The ruler's length in scene units.
double rulerLength(const Ruler& ruler);
// The angle between the protractor's arms in degrees, 0 … 180; 0 when an arm has no length.
double protractorDegrees(const Protractor& protractor);

// Every end a student can take hold of, in the order the keyboard reaches them.
enum class ToolEnd { RulerFrom, RulerTo, Vertex, FirstArm, SecondArm };
inline constexpr std::array<ToolEnd, 5> toolEnds = {
    ToolEnd::RulerFrom, ToolEnd::RulerTo, ToolEnd::Vertex, ToolEnd::FirstArm, ToolEnd::SecondArm};

// Where an end stands; nothing while its tool is not shown.
std::optional<Point> endPoint(const MeasuringTools& tools, ToolEnd end);
// The tools with one end moved; a tool not shown stays as it is.
MeasuringTools withEndAt(MeasuringTools tools, ToolEnd end, Point at);

// A point of the picture an end may snap to, with what it is.
struct NamedPoint {
    std::string name;
    Point at;
};

// The nearest candidate within tolerance of a point (scene units), or the point itself.
Point snapTo(Point point, const std::vector<NamedPoint>& candidates, double tolerance);
// A step from one place to another, as a key makes it: it ends on a candidate it comes
// within tolerance of while drawing nearer to it, so that steps onto a point stop there and
// steps away from it are not pulled back.
Point snapStep(Point from, Point to, const std::vector<NamedPoint>& candidates, double tolerance);

} // namespace geometry
