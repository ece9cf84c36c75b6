// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/snap_points.h"

#include "geometry/cardinal_points.h"
#include "geometry/object_image.h"

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
    const ObjectTips tips = objectTips(scene);
    if (tips.object)
        points.push_back({"object", *tips.object});
    if (tips.image)
        points.push_back({"image", *tips.image});
    return points;
}

} // namespace geometry
