// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Kovril;

namespace scene {

// Sets the scene frame on the window's picture as start-up does for its size: the shared
// proportions and half extents, the user scale, the controls in scene units with their
// fonts and first texts, and the picture pixel of the origin.
void frameWindow(Kovril& w);

} // namespace scene
