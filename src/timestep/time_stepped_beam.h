#pragma once

namespace timestep {

// Traces the n + 1 rays of a beam from the source through the lens, continues every
// ray that can leave it, and draws the wavefront at the time chosen on xronosmetato
// with the lens constructions. Re-creates all eight beam arrays.
void timeSteppedBeam(float sourceX, float sourceY, int n);

} // namespace timestep
