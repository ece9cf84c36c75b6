// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/labels.h"
#include "surface/surface.h"

#include <cstdint>

namespace optics {

// A path the student chose by hand: source -> P -> the yellow point at height v of the
// rear surface, with its travel time and the angles at P for the labels.
surface::LabelTexts drawTrialPath(surface::Surface& s, const geometry::Lens& lens,
                                  geometry::Point source, geometry::Point p, std::int16_t v,
                                  const geometry::Layers& layers);

// The path after a drop of either marker: source -> P -> the point just behind the rear
// surface at height v, with only its travel time for Label2. P need not lie on the lens.
surface::LabelTexts drawDroppedPath(surface::Surface& s, const geometry::Lens& lens,
                                    geometry::Point source, geometry::Point p, std::int16_t v,
                                    const geometry::Layers& layers);

} // namespace optics
