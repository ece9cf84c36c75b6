// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"

// The numeric procedures every optical construction shares. They compute in double
// precision; the speeds are those of the lens given.
namespace geometry {

// Travel time of the path P1 -> P2 (in air) -> P3 (in the lens).
double pathTime(const Lens& lens, double x1, double y1, double x2, double y2, double x3, double y3);
// Signed angle from a to b, from its sine alone, so folded into [-pi/2, pi/2]; 0 when
// either vector has no length.
double signedAngle(double ax, double ay, double bx, double by);
// Inverse sine; 0 beyond ±1 (and for NaN). Refreshes the shared pi.
double arcSin(double x);
double pointDistance(double x1, double y1, double x2, double y2);

// The critical angle of total internal reflection, arcSin(speedLens / speedAir) with the
// quotient taken as a 32-bit float.
double criticalAngle(const Lens& lens);

// Sets pi to 4·atn(1) as a 32-bit float, the value it already holds after start-up.
void refreshPi();

} // namespace geometry
