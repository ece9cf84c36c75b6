// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/measuring_tools.h"
#include "geometry/scene_state.h"

#include <vector>

namespace geometry {

// The points of the picture a tool's end snaps to: the source, the blue point (the
// least-time point after a search), the yellow point, and the focal and principal points
// of the lens where it has them, and the object's tip and its image's when an object is shown.
std::vector<NamedPoint> pictureSnapPoints(const SceneState& scene);

} // namespace geometry
