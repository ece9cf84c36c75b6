#pragma once

namespace continuation {

// Continues one beam ray beyond the lens on the window: a red line of width 2 from its
// exit point P to the edge of the drawing area, with the angles and the measured index in
// the labels. Leaves the line's end in rayEndX, rayEndY and the wavefront point with the
// time left over in rayOut. Returns whether it drew the ray: a totally reflected ray (the
// critical angle included) or one without a computable direction leaves those values as
// they were.
bool continueBeamRay(double px, double py);

} // namespace continuation
