// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's own part of the shared state; the numbers the constructions share are in
// geometry/state.h.
namespace scene {

// Image pixel of the scene origin, where the lens fill starts. Written by startUp.
extern float originPxX;
extern float originPxY;

} // namespace scene
