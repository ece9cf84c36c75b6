// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/labels.h"
#include "surface/surface.h"

#include <cstdint>

namespace continuation {

// Follows the least-time ray from the source through the point P of the rear surface at
// the height v of the yellow point out of the lens by Huygens's construction: draws the
// paths to P and its two neighbours with their wavelets for every pass, then the outgoing
// ray with the normal where the measured index agreed with the speeds, or the undeviated
// ray along the normal; a hidden normal is left out. Total internal reflection and the angles go to
// the labels. The wavelets are outlines; leaves FillStyle solid.
surface::LabelTexts continueRay(surface::Surface& s, const geometry::Lens& lens,
                                geometry::Source source, std::int16_t v,
                                const geometry::Layers& layers);

} // namespace continuation
