// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/beam.h"
#include "geometry/lens.h"
#include "surface/surface.h"

namespace timestep {

// The wavefront of a time-stepped beam in two Huygens steps, on the window or on
// the printed page: the wavelet around each exit point at the reference time
// maxTime + 1.5, and from the point each continued ray has reached by then a second
// circle that has grown since maxTime + 0.7 up to the time T (counted from the emission
// at the source). Unfilled, in the foreground colour; leaves the surface's fill
// transparent. A ray at the critical angle keeps its wavelet; a ray whose record is
// still all zeros was not continued and gets no second circle.
void drawWavefronts(surface::Surface& s, const geometry::Lens& lens, const geometry::Beam& beam,
                    float T);

} // namespace timestep
