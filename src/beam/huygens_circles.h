// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/beam.h"
#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/surface.h"

#include <cstdint>

namespace beam {

// Around the exit point of each ray 0..n of the beam, the wavelet that has
// spread into the air by a moment 0.7 after the slowest ray arrived; a ray that meets
// the rear surface beyond the critical angle cannot leave, and gets a thick red dot
// instead. Leaves FillStyle transparent and DrawWidth 1.
void drawHuygensCircles(surface::Surface& s, const geometry::Lens& lens, const geometry::Beam& beam,
                        std::int16_t n);

// The beam from the source and then its wavelets, unless they are hidden.
void drawBeamWithWavelets(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                          std::int16_t n, const geometry::Layers& layers);

} // namespace beam
