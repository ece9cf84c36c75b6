#pragma once

namespace scene {

struct Point {
    double x = 0;
    double y = 0;
};

// The polar angle of the upper rim about either centre of curvature.
double rimAngle();

// The point of the rear surface at height v (|v| < curveRadius).
Point rearSurfacePoint(double v);
// The same height just behind the rear surface: its x uses the radius enlarged by 1 %.
Point pointBehindRearSurface(double v);

// Draws the fixed background of every picture over what the window shows: rim dots,
// axis, centres of curvature, lens outline, the yellow marker and the lens fill.
void redrawScene();

} // namespace scene
