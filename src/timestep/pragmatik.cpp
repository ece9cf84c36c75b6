#include "timestep/pragmatik.h"

#include "optics/helpers.h"
#include "scene/guarded.h"
#include "scene/kovril.h"
#include "scene/state.h"

#include <cmath>

namespace pragmatik {

namespace {

constexpr double index = 2;

} // namespace

CardinalPoints cardinalPoints(double radius, double centreX) {
    CardinalPoints p;
    const double r1 = radius;
    const double r2 = radius;
    p.thickness = 2 * (radius - centreX);
    p.v1 = centreX - radius;
    p.v2 = radius - centreX;
    p.f = 1 / ((index - 1) * (1 / r1 + 1 / r2) -
               (index - 1) * (index - 1) * p.thickness / (index * r1 * r2));
    const double shift = p.f * (index - 1) * p.thickness / (index * radius);
    p.h1 = p.v1 + shift;
    p.h2 = p.v2 - shift;
    // In air on both sides the nodal points coincide with the principal points.
    p.n1 = p.v1 + shift;
    p.n2 = p.v2 - shift;
    p.f1 = p.h1 - p.f;
    p.f2 = p.n2 + p.f;
    return p;
}

ThickLensImage thickLensImage(const CardinalPoints& p, double xs, double ys) {
    ThickLensImage image;
    image.m1 = -ys / (p.f1 - xs);
    image.m2 = -ys / (p.f2 - p.h2);
    image.m3 = -ys / (p.n1 - xs);
    image.yA = ys + image.m1 * (p.h1 - xs);
    image.y = image.yA;
    image.x = p.h2 + (image.yA - ys) / image.m2;
    return image;
}

void drawExitRefraction(double exitX, double exitY, double entryX, double entryY) {
    using namespace scene;
    surface::Surface& s = form().surface();
    pi = float(4 * std::atan(1.0));
    const double d = curveCentreX;
    const double normal = std::atan(exitY / (exitX + d));
    const double theta = optics::signedAngle(exitX - entryX, exitY - entryY, exitX + d, exitY);
    if (std::abs(std::sin(theta)) * speedAir / speedLens >= 1)
        return;
    const double alpha = normal - optics::arcSin(std::sin(theta) * speedAir / speedLens);
    s.DrawStyle = surface::PenStyle::Solid;
    s.DrawWidth = 1;
    guardedLine(s, exitX, exitY, exitX + 300, exitY + 300 * std::tan(alpha), QColor(0, 55, 0));
    s.DrawStyle = surface::PenStyle::Solid;
}

void drawCardinalPoints(double xs, double ys) {
    using scene::guardedLine;
    using scene::guardedPSet;
    surface::Surface& s = scene::form().surface();
    const CardinalPoints p = cardinalPoints(scene::curveRadius, scene::curveCentreX);

    s.DrawStyle = surface::PenStyle::Dotted;
    s.DrawWidth = 1;
    guardedLine(s, p.h1, -200, p.h1, 200, s.ForeColor);
    guardedLine(s, p.h2, -200, p.h2, 200, s.ForeColor);
    s.DrawStyle = surface::PenStyle::Solid;

    const QColor red(255, 0, 0);
    const QColor lightGreen(5, 250, 0);
    s.DrawWidth = 15;
    guardedPSet(s, p.f1, 0, red);
    guardedPSet(s, p.f2, 0, red);
    guardedPSet(s, p.n1, 0, lightGreen);
    guardedPSet(s, p.n2, 0, lightGreen);

    const ThickLensImage image = thickLensImage(p, xs, ys);
    const QColor cyan(0, 255, 255);
    s.DrawWidth = 2;
    // Parallel to the axis up to H2 and out through F2; through F1 up to H1 and out
    // parallel; aimed at N1 and out of N2 parallel to its way in.
    guardedLine(s, xs, ys, p.h2, ys, cyan);
    guardedLine(s, xs, ys, p.h1, image.yA, cyan);
    guardedLine(s, p.h1, image.yA, 300, image.yA, cyan);
    guardedLine(s, p.h2, ys, 500, ys + image.m2 * (500 - p.h2), cyan);
    guardedLine(s, xs, ys, p.n1, 0, cyan);
    guardedLine(s, p.n2, 0, 500, image.m3 * (500 - p.n2), cyan);

    s.DrawWidth = 15;
    guardedPSet(s, image.x, image.y, cyan);
    s.DrawWidth = 1;

    s.FontSize = 13;
    const struct {
        const char* text;
        double x, y;
    } labels[] = {{"H1", p.h1, 150}, {"H2", p.h2, 150}, {"F1", p.f1, -2},
                  {"F2", p.f2, -2},  {"N1", p.n1, -2},  {"N2", p.n2, -2}};
    for (const auto& label : labels) {
        s.CurrentX = label.x;
        s.CurrentY = label.y;
        s.Print(QString::fromLatin1(label.text));
    }
    s.FontSize = 10;
    s.DrawWidth = 1;
}

} // namespace pragmatik
