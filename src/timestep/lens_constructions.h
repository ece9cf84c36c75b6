// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/surface.h"

namespace timestep {

// The thin-lens construction of the source's image with its focal points, then the
// thick lens's cardinal points and construction. Leaves DrawWidth 1 and FontSize 10.
void drawLensConstructions(surface::Surface& s, const geometry::Lens& lens,
                           geometry::Source source);

} // namespace timestep
