#pragma once

#include <cstdint>

namespace beam {

// Draws n + 1 least-time rays from (x0, y0) to evenly spaced points of the rear surface,
// each with a thick dot where it leaves the lens, and keeps their geometry in the shared
// beam arrays (exit point, entry point, time), re-created with indices 0..n. The times
// are measured from the source kyklos, so callers pass its centre. Leaves DrawWidth 1.
void drawBeam(float x0, float y0, std::int16_t n);

} // namespace beam
