#pragma once

#include "geometry/point.h"
#include "surface/labels.h"
#include "surface/surface.h"

#include <cstdint>

namespace timestep {

// Traces the n + 1 rays of a beam from the source through the lens, continues every
// ray that can leave it, and draws the wavefront at the time value of the time bar with
// the lens constructions. Re-creates all eight beam arrays. The labels show the last ray
// continued.
surface::LabelTexts timeSteppedBeam(surface::Surface& s, geometry::Source source, int n,
                                    std::int16_t timeValue);

} // namespace timestep
