// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/object_arrow.h"
#include "surface/surface.h"

// The object, its image traced with least-time rays and its image by the lens equation, drawn
// over whatever the picture holds.
namespace image {

// Draws the object arrow, the fan of n + 1 least-time rays from its tip with the meeting
// points of neighbouring rays and the image they form, and the thick-lens construction: F, F′,
// H, H′, the three principal rays (with the cardinal points' layer) and the image by the lens
// equation; the rays carry arrowheads when the layers ask. The drawing properties are left as
// they were.
void drawObjectScene(surface::Surface& s, const geometry::Lens& lens,
                     const geometry::ObjectArrow& object, int n, const geometry::Layers& layers);

} // namespace image
