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

void setUpLens() {
    speedLens = 1.0f;
    speedAir = 2.0f;
    sineRatio = 2.0f;
    curveCentreX = 165;
    curveRadius = 180;
    lensHalfHeight = float(std::sqrt(180.0 * 180.0 - 165.0 * 165.0));
    pi = float(4 * std::atan(1.0));
}

float rayEndX = 0;
float rayEndY = 0;
RayOut rayOut;

} // namespace geometry
