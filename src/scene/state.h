#pragma once

#include <vector>

// The state every procedure shares: the lens, the two speeds, the frame of the
// window and the results the beam procedures leave for each other. All lengths are
// scene units (origin at the lens centre, x to the right, y upwards).
namespace scene {

// A point of a continued ray and a time, as a continuation leaves it.
struct RayOut {
    float x = 0;
    float y = 0;
    float time = 0;
};

extern float pi;             // 4·atn(1) as a 32-bit float
extern float curveCentreX;   // distance of each surface's centre of curvature from the lens centre
extern float curveRadius;    // radius of curvature of both surfaces
extern float lensHalfHeight; // y of the upper rim; the rims are (0, ±lensHalfHeight)
extern float leftArcStart;   // start angle of the front-surface arc
extern float leftArcEnd;     // end angle of the front-surface arc
extern float rightArcStart;  // start angle of the rear-surface arc
extern float rightArcEnd;    // end angle of the rear-surface arc
extern float speedAir;       // speed of light outside the lens
extern float speedLens;      // speed of light inside the lens
extern float sineRatio;      // measured index of the last continuation of a ray
extern float widthFrac;      // width of the surface set up last, over its width plus height
extern float heightFrac;     // the matching fraction for its height
extern float halfWidth;      // x of the window's right edge; the left edge is -halfWidth
extern float halfHeight;     // y of the window's top edge; the bottom edge is -halfHeight
extern float originPxX;      // image pixel column of the scene origin
extern float originPxY;      // image pixel row of the scene origin

// One entry per ray of the last beam, indexed 0..n.
extern std::vector<double> beamExitX; // exit point on the rear surface
extern std::vector<double> beamExitY;
extern std::vector<float> beamEntryX; // least-time entry point on the front surface
extern std::vector<float> beamEntryY;
extern std::vector<float> beamTime; // least travel time source -> entry -> exit
extern std::vector<float> beamEndX; // end of the ray's continuation beyond the lens
extern std::vector<float> beamEndY;
extern std::vector<RayOut> beamOut; // copy of rayOut after the ray's continuation

extern float rayEndX; // end of the outgoing ray a continuation drew last
extern float rayEndY;
extern RayOut rayOut; // wavefront point and time a continuation left last

} // namespace scene
