// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"
#include "surface/surface.h"

namespace timestep {

// The thin-lens construction of the source's image with its focal points, then the
// thick lens's cardinal points and construction. Leaves DrawWidth 1 and FontSize 10.
void drawLensConstructions(surface::Surface& s, geometry::Source source);

} // namespace timestep
