// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/snap_points.h"

#include "geometry/cardinal_points.h"

namespace geometry {

std::vector<NamedPoint> pictureSnapPoints(const SceneState& scene) {
    std::vector<NamedPoint> points = {
        {"source", scene.source},
        {"blue", scene.bluePoint},
        {"yellow", scene.lens.rearSurfacePoint(scene.thesiy)},
    };
    const CardinalPoints cardinal = cardinalPoints(scene.lens);
    if (cardinal.focussing)
        points.insert(points.end(), {{"F", {cardinal.f1, 0}},
                                     {"F'", {cardinal.f2, 0}},
                                     {"H", {cardinal.h1, 0}},
                                     {"H'", {cardinal.h2, 0}}});
    return points;
}

} // namespace geometry
