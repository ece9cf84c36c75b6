// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"

#include <vector>

// The numbers every construction shares: the lens, the two speeds, the frame of the
// window and the results the beam procedures leave for each other. All lengths are scene
// units (origin at the lens centre, x to the right, y upwards). Each variable names the
// procedures that write it; everything else only reads.
namespace geometry {

// A point of a continued ray and a time, as a continuation leaves it.
struct RayOut {
    float x = 0;
    float y = 0;
    float time = 0;
};

// 4·atn(1) as a 32-bit float. Written by shareLens; rewritten with the same value by arcSin,
// the continuations beyond the lens and the exit refraction.
extern float pi;
// A copy of the numbers of the lens the window shows, written by shareLens only. The
// constructions read their lens from the value they are given, not from here.
extern float curveCentreX;   // the front face's centre of curvature
extern float curveRadius;    // the front face's radius of curvature
extern float lensHalfHeight; // y of the upper rim; the rims are (0, ±lensHalfHeight)
extern float leftArcStart;   // the arcs of the front and the rear surface
extern float leftArcEnd;
extern float rightArcStart;
extern float rightArcEnd;
extern float speedAir;  // speed of light outside the lens
extern float speedLens; // speed of light inside the lens
// Measured index of the last continuation of a ray. Written by shareLens (the lens's
// index), the single-ray continuation and the beam-ray continuation (window and page); put
// back by shareBeam and by a replayed scene.
extern float sineRatio;
// Proportions of the surface set up last, as fractions of its width plus height. Written by
// startUp, redrawScene and printing.
extern float widthFrac;
extern float heightFrac;
// The window's right and top edges; the left and bottom are their negatives. Written by
// startUp.
extern float halfWidth;
extern float halfHeight;

// Copies the lens into the numbers above, sets pi and starts the measured index at the lens's
// index; start-up calls it.
void shareLens(const Lens& lens);

// One entry per ray of the last beam, indexed 0..n, written by shareBeam only from the beam
// value a procedure traced. The five below come from every beam (the window's beam, the
// time-stepped beam and the printed beam).
extern std::vector<double> beamExitX; // exit point on the rear surface
extern std::vector<double> beamExitY;
extern std::vector<float> beamEntryX; // least-time entry point on the front surface
extern std::vector<float> beamEntryY;
extern std::vector<float> beamTime; // least travel time source -> entry -> exit
// End of each ray's continuation beyond the lens; from the time-stepped beam.
extern std::vector<float> beamEndX;
extern std::vector<float> beamEndY;
// A copy of rayOut after each ray's continuation; from the time-stepped beam and the printed
// beam.
extern std::vector<RayOut> beamOut;

// End of the outgoing ray the window's beam-ray continuation drew last; written by it, and
// put back by shareBeam when a kept beam is drawn again.
extern float rayEndX;
extern float rayEndY;
// Wavefront point and time the beam-ray continuation (window or page) left last; put back
// like rayEndX.
extern RayOut rayOut;

} // namespace geometry
