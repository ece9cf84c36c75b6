// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/beam.h"
#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/labels.h"
#include "surface/surface.h"

#include <cstdint>

namespace timestep {

// Traces the n + 1 rays of a beam from the source through the lens, continues every
// ray that can leave it, and draws the wavefront at the time value of the time bar with
// the lens constructions. Shares the beam, all eight arrays. The labels show the last ray
// continued.
surface::LabelTexts timeSteppedBeam(surface::Surface& s, const geometry::Lens& lens,
                                    geometry::Source source, int n, std::int16_t timeValue,
                                    const geometry::Layers& layers);

// Its two halves. What does not depend on the time: the beam, the continuations and their
// end dots, leaving the fill transparent; the beam is shared, and the labels show the last
// ray continued.
struct SteppedBeam {
    surface::LabelTexts labels;
    geometry::Beam beam;
};
SteppedBeam traceSteppedBeam(surface::Surface& s, const geometry::Lens& lens,
                             geometry::Source source, int n, const geometry::Layers& layers);
// What does, from the beam the first half traced: the wavefront at the time value, and
// the lens constructions drawn over it. A played wavefront passes times between the bar's
// whole numbers. Either may be hidden.
void drawSteppedWavefront(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                          const geometry::Beam& beam, double timeValue,
                          const geometry::Layers& layers);

} // namespace timestep
