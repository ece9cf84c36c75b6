#pragma once

namespace continuation {

// Follows the least-time ray through the exit point P = (px, py) of the rear surface out
// of the lens by Huygens's construction: draws the paths to P and its two neighbours and
// their wavelets, takes the outgoing ray through the outer crossings of neighbouring
// wavelets and compares it with the law of refraction. It draws the outgoing ray and the
// normal only when the measured index agrees with the speeds; otherwise it tries again
// with closer neighbours, three passes in all. Recognises total internal reflection.
void continueRay(double px, double py);

} // namespace continuation
