#include "scene/state.h"

namespace scene {

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
float originPxX = 0;
float originPxY = 0;

std::vector<double> beamExitX;
std::vector<double> beamExitY;
std::vector<float> beamEntryX;
std::vector<float> beamEntryY;
std::vector<float> beamTime;
std::vector<float> beamEndX;
std::vector<float> beamEndY;
std::vector<RayOut> beamOut;

float rayEndX = 0;
float rayEndY = 0;
RayOut rayOut;

} // namespace scene
