// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surface.h"

namespace surface {

// An arrowhead in the middle of the segment from (x1, y1) to (x2, y2), pointing from the
// first end to the second, the way light travels along it: two short strokes back from the
// middle, of the same size on every frame. A segment too short to carry one gets none.
// Moves the current point.
void drawArrowhead(Surface& s, double x1, double y1, double x2, double y2);

} // namespace surface
