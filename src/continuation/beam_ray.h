// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/labels.h"
#include "surface/surface.h"

namespace continuation {

// Where a beam ray is continued: the window's continuation runs every pass (its tolerance
// almost never agrees), draws the ray two pixels wide, keeps its end in rayEndX, rayEndY
// and reports in the labels; the page's stops at the first pass within 0.001 and keeps to
// itself.
enum class BeamRayTarget { Window, Page };

struct ContinuedBeamRay {
    bool drawn = false; // false: totally reflected (the critical angle included), or no
                        // direction; rayOut and rayEndX, rayEndY stay as they were
    surface::LabelTexts labels;
};

// Continues one beam ray beyond the lens from its exit point P = (px, py): a red line from
// P to the edge of the window's area (when the beam's layer is shown), with the wavefront point and
// the time left over in rayOut.
ContinuedBeamRay continueBeamRay(surface::Surface& s, const geometry::Lens& lens,
                                 geometry::Source source, double px, double py,
                                 BeamRayTarget target, const geometry::Layers& layers);

} // namespace continuation
