// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/beam.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "geometry/search.h"

// The rays of a beam through the lens.
namespace geometry {

// How a beam counts off its rays' angles. Both cut the rim-to-rim arc into n + 2 equal
// angles, but the time-stepped beam adds one step per ray, which rounds differently in the
// last bit and can move an entry point found in 32-bit floats.
enum class RaySpacing {
    Beam,        // -rim + spacing * (i + 1)
    TimeStepped, // -rim + spacing + i * spacing
};

// The rear face's walk parameter (the polar angle about its centre of curvature, or the
// height as a fraction of the rim's) of ray i's exit point in a beam of n + 1 rays; the rims
// themselves carry no ray.
double rayAngle(const Lens& lens, int i, int n, RaySpacing spacing = RaySpacing::Beam);

// Traces ray i of a beam of n + 1 rays from the source: its exit point and its least-time
// entry point and time.
BeamRay traceRay(const Lens& lens, Source source, int i, int n,
                 RaySpacing spacing = RaySpacing::Beam);

} // namespace geometry
