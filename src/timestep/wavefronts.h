#pragma once

namespace timestep {

// The wavefront of the last time-stepped beam in two Huygens steps: the wavelet around
// each exit point at the reference time maxTime + 1.5, and from the point each continued
// ray has reached by then a second circle that has grown since maxTime + 0.7 up to the
// time T (counted from the emission at the source). Unfilled, in the foreground colour.
void drawWavefronts(float T, int n);

} // namespace timestep
