// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/beam.h"
#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/surface.h"

#include <cstdint>

namespace print {

// The printed beam beyond the lens: continues on the page every ray of the beam that leaves
// the lens, keeping rayOut in its record only for the rays it printed, shares the beam, then
// prints the wavefronts at the time value of the time bar, unless they are hidden.
void printBeyondLens(surface::Surface& page, const geometry::Lens& lens, geometry::Source source,
                     geometry::Beam beam, std::int16_t timeValue, const geometry::Layers& layers);

// The time-stepped beam on the page: the rays as the window's beam traces them, without its
// dots and pen widths, then everything beyond the lens. Shares six beam arrays (not the
// ends). The window's fill style is left solid, as the window's own continuation leaves it.
void printBeam(surface::Surface& page, surface::Surface& window, const geometry::Lens& lens,
               geometry::Source source, int n, std::int16_t timeValue,
               const geometry::Layers& layers);

} // namespace print
