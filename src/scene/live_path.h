// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/action_log.h"
#include "surface/surface.h"

#include <cstdint>

// A path drawn again at every move of a drag, before the release draws what a drop draws.
namespace scene {

// The path the picture shows: the last action since the clear that drew on the window, when
// it drew a path.
enum class ShownPath { None, LeastTime, Dropped, Trial };
ShownPath shownPath(const geometry::ActionLog& log);

// What a drag under way keeps: the path it redraws, the scene's texts and drawing properties
// before it, which the release starts from, and the bare scene its moves draw the path on.
struct LiveDrag {
    bool active = false;
    ShownPath path = ShownPath::None;
    geometry::StartState before;
    surface::SurfaceSnapshot bareScene;
    std::uint64_t bareSceneOf = 0; // the surface the bare scene was taken of; 0: none
};

} // namespace scene
