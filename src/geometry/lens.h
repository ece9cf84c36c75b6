// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"

// Points of the lens: its rims and the places the markers stand on its surfaces.
namespace geometry {

// The polar angle of the upper rim about either centre of curvature.
double rimAngle();

// The point of the rear surface at height v (|v| < curveRadius).
Point rearSurfacePoint(double v);
// The same height just behind the rear surface: its x uses the radius enlarged by 1 %.
Point pointBehindRearSurface(double v);
// The point of the front surface at height v (|v| <= curveRadius).
Point frontSurfacePoint(double v);

} // namespace geometry
