#pragma once

#include "optics/lens_entry.h"

#include <cstdint>

namespace beam {

// Re-creates the arrays of a beam's exit points, entry points and times with indices 0..n,
// so that nothing of an earlier beam is left in them.
void recreateRayArrays(int n);

// The polar angle, about the rear surface's centre of curvature, of ray i's exit point in a
// beam of n + 1 rays: the rim-to-rim arc is cut into n + 2 equal angles and the rims
// themselves carry no ray.
double rayAngle(int i, int n);

// Traces ray i of a beam of n + 1 rays into the beam arrays: its exit point and its
// least-time entry point and time, which it returns.
optics::LensEntry traceRay(int i, int n);

// The latest time at which a ray of the last beam reaches the rear surface, and at least 0.
float latestArrival(int n);

// Draws n + 1 least-time rays from (x0, y0) to evenly spaced points of the rear surface,
// each with a thick dot where it leaves the lens, and keeps their geometry in the shared
// beam arrays (exit point, entry point, time), re-created with indices 0..n. The times
// are measured from the source kyklos, so callers pass its centre. Leaves DrawWidth 1.
void drawBeam(float x0, float y0, std::int16_t n);

} // namespace beam
