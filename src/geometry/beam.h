// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/state.h"

#include <vector>

// A beam through the lens as a value: what its trace and its continuations found.
namespace geometry {

struct BeamRay {
    double exitX = 0; // exit point on the rear surface
    double exitY = 0;
    float entryX = 0; // least-time entry point on the front surface
    float entryY = 0;
    float time = 0;     // least travel time source -> entry -> exit
    bool found = false; // the search found the entry point
    float endX = 0;     // end of the ray's continuation beyond the lens; 0, 0 if not drawn
    float endY = 0;
    RayOut out; // the continuation's wavefront point and time left; all zero if not drawn
};

// How far a beam's procedure took its rays: which of the shared arrays it re-creates.
enum class BeamReach {
    ThroughLens,       // the window's beam: exit, entry and time only
    ContinuedOnPage,   // the printed beam: those and the continuations' records
    ContinuedOnWindow, // the time-stepped beam: all eight, the ends included
};

// What the continuation of a ray leaves in the shared numbers, the last ray's or, where no ray
// of the beam changed it, what was there before.
struct ContinuationLeft {
    float rayEndX = 0;
    float rayEndY = 0;
    RayOut rayOut;
    float sineRatio = 0;
};

struct Beam {
    BeamReach reach = BeamReach::ThroughLens;
    std::vector<BeamRay> rays; // rays 0..n
    ContinuationLeft left;     // as the beam's procedure finished
};

// A beam of n + 1 rays, nothing traced yet.
Beam startBeam(int n, BeamReach reach);

// What the continuations have left so far.
ContinuationLeft continuationLeft();

// The latest time at which a ray of the beam reaches the rear surface, and at least 0.
float latestArrival(const Beam& beam);

// Writes the beam into the shared beam arrays, the only writer of them, and puts back what
// its continuations left (a picture drawn again from a kept beam leaves what it left).
void shareBeam(const Beam& beam);

// The beam the shared arrays hold, for a drawing that comes after the procedure that traced
// it; the continuation results are those left last.
Beam sharedBeam();

} // namespace geometry
