// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/state.h"

#include <cmath>

namespace geometry {

float pi = 0;
float curveCentreX = 0;
float curveRadius = 0;
float lensHalfHeight = 0;
float leftArcStart = 0;
float leftArcEnd = 0;
float rightArcStart = 0;
float rightArcEnd = 0;
float speedAir = 0;
float speedLens = 0;
float sineRatio = 0;
float widthFrac = 0;
float heightFrac = 0;
float halfWidth = 0;
float halfHeight = 0;

std::vector<double> beamExitX;
std::vector<double> beamExitY;
std::vector<float> beamEntryX;
std::vector<float> beamEntryY;
std::vector<float> beamTime;
std::vector<float> beamEndX;
std::vector<float> beamEndY;
std::vector<RayOut> beamOut;

void shareLens(const Lens& lens) {
    speedLens = lens.speedLens();
    speedAir = lens.speedAir();
    sineRatio = lens.index();
    curveCentreX = lens.curveCentreX();
    curveRadius = lens.curveRadius();
    lensHalfHeight = lens.halfHeight();
    pi = float(4 * std::atan(1.0));
    leftArcStart = lens.leftArcStart();
    leftArcEnd = lens.leftArcEnd();
    rightArcStart = lens.rightArcStart();
    rightArcEnd = lens.rightArcEnd();
}

float rayEndX = 0;
float rayEndY = 0;
RayOut rayOut;

} // namespace geometry
