#pragma once

#include "optics/search.h"

namespace optics {

// The least-time point of the front surface for a target point, with its travel time;
// all zero after a failed search.
struct LensEntry {
    float x = 0;
    float y = 0;
    float time = 0;
};

// The least-time search from the source (the centre of kyklos) to (tx, ty). A failed
// search says "δε βρέθηκε" and comes back with zeros.
LensSearch searchFromSource(double tx, double ty, StepTest test, int roundLimit = searchRoundLimit);

// The least-time point for light from the source to (tx, ty), as 32-bit floats; zeros
// after a failed search, which callers use as a point.
LensEntry findLensEntry(double tx, double ty);

} // namespace optics
