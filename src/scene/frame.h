// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"

class Kovril;

namespace scene {

// Sets the scene frame on the window's picture as start-up does for its size: the shared
// proportions and half extents, the user scale, the controls in scene units with their
// fonts and first texts, and the picture pixel of the origin.
void frameWindow(Kovril& w);

// Where a marker may stand: inside the scene frame, since a marker dropped outside the
// window could never be grabbed again.
geometry::Point insideFrame(geometry::Point p);

} // namespace scene
