// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/beam.h"
#include "geometry/beam_trace.h"
#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/surface.h"

#include <cstdint>

namespace beam {

// Traces the n + 1 least-time rays of a beam from the source to evenly spaced points of the
// rear surface and draws each ray, when the beam's layer is shown; with exitDots, a thick dot
// where it leaves the lens first, on pen width 1. A search that gives up says so, and its ray
// is drawn to the origin.
geometry::Beam traceBeam(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                         int n, bool exitDots, const geometry::Layers& layers,
                         geometry::RaySpacing spacing = geometry::RaySpacing::Beam);

// The window's beam: the rays with their exit dots, shared for the drawings that follow.
// Leaves DrawWidth 1.
geometry::Beam drawBeam(surface::Surface& s, const geometry::Lens& lens, geometry::Source source,
                        std::int16_t n, const geometry::Layers& layers);

} // namespace beam
