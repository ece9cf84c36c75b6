#pragma once

// The thick lens as it really is: Snell's law at the rear surface, and the cardinal
// points with the textbook image construction.
namespace pragmatik {

// The cardinal points of the symmetric biconvex lens at index 2, as x on the axis.
struct CardinalPoints {
    double thickness = 0;
    double v1 = 0, v2 = 0; // front and rear vertices
    double f = 0;          // effective focal length
    double h1 = 0, h2 = 0; // principal points
    double n1 = 0, n2 = 0; // nodal points
    double f1 = 0, f2 = 0; // focal points
};

CardinalPoints cardinalPoints(double radius, double centreX);

// The construction rays from a source at (xs, ys): the slopes of the ray through F1, of
// the parallel ray leaving through F2 and of the ray aimed at N1, the height yA at which
// the first leaves H1 parallel to the axis, and the image where the second reaches that
// height. Not finite for a source on the axis or at F1.
struct ThickLensImage {
    double m1 = 0, m2 = 0, m3 = 0;
    double yA = 0;
    double x = 0, y = 0;
};

ThickLensImage thickLensImage(const CardinalPoints& points, double xs, double ys);

// The ray refracted by Snell's law where a beam ray leaves the rear surface: a dark-green
// segment 300 units long in x; nothing beyond the critical angle.
void drawExitRefraction(double exitX, double exitY, double entryX, double entryY);

// The principal planes, the focal and nodal points with their labels, the three
// construction rays from the source at (xs, ys) and the image point.
void drawCardinalPoints(double xs, double ys);

} // namespace pragmatik
