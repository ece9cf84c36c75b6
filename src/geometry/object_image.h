// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/cardinal_points.h"
#include "geometry/lens.h"
#include "geometry/object_arrow.h"
#include "geometry/point.h"
#include "geometry/scene_state.h"

#include <optional>
#include <vector>

// The image of the object, two ways: by the thick-lens equation from the cardinal points, and
// traced with least-time rays through the lens itself.
namespace geometry {

// The lens equation's answer for an object. Distances follow the lens's principal planes: s
// from the object to H (positive to its left), s′ from H′ to the image (negative for a virtual
// image, left of H′).
struct EquationImage {
    CardinalPoints points;
    double s = 0;
    bool formed = false; // false for an object at F, or a lens without power
    double sPrime = 0;
    double magnification = 0; // −s′/s
    Point tip;                // the image's tip, when formed
    bool real() const { return formed && sPrime > 0; }
};

EquationImage equationImage(const Lens& lens, const ObjectArrow& object);

// One ray of the traced fan: from the object's tip through the lens, leaving it at the exit
// point in a direction of unit length.
struct FanRay {
    Point entry;
    Point exit;
    Point direction;
};

// The fan of least-time rays from the tip, and where it meets again.
struct TracedImage {
    std::vector<FanRay> rays; // those that leave the lens, from the lower rim up
    bool formed = false;      // the innermost rays meet, ahead (real) or behind (virtual)
    Point tip;
    bool real = false;
    // Where each ray meets its neighbour: spread along the axis by the aberration.
    std::vector<Point> meetings;
    double spread = 0; // the largest minus the smallest x of those meetings
};

// Traces rays 0 … n of a beam (as the beam spaces them) from the object's tip.
TracedImage tracedImage(const Lens& lens, const ObjectArrow& object, int n);

// Where two rays (point and direction) meet, on their lines either way; none when parallel.
std::optional<Point> meetingPoint(Point a, Point da, Point b, Point db);

// The object kept standing left of the lens and inside the picture: its foot from the
// picture's left edge to just before the lens, its height from 1 to the picture's top.
ObjectArrow keptInPicture(const Lens& lens, ObjectArrow object, double left, double top);

// The points of a scene a measuring tool may snap to: the object's tip and its image's tip by
// the lens equation, when the scene has an object and the lens forms an image of it.
struct ObjectTips {
    std::optional<Point> object;
    std::optional<Point> image;
};

ObjectTips objectTips(const SceneState& scene);

} // namespace geometry
