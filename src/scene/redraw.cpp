#include "scene/redraw.h"

#include "scene/kovril.h"
#include "scene/state.h"
#include "surface/format.h"

#include <cmath>

namespace scene {

namespace {

double heightAngle(double v) {
    const double r = curveRadius;
    return std::atan(v / std::sqrt(r * r - v * v));
}

} // namespace

double rimAngle() {
    const double c = curveCentreX;
    const double r = curveRadius;
    return std::atan(std::sqrt(r * r - c * c) / c);
}

Point rearSurfacePoint(double v) {
    const double phi = heightAngle(v);
    return {curveRadius * std::cos(phi) - curveCentreX, curveRadius * std::sin(phi)};
}

Point pointBehindRearSurface(double v) {
    const double phi = heightAngle(v);
    return {1.01 * curveRadius * std::cos(phi) - curveCentreX, curveRadius * std::sin(phi)};
}

void redrawScene() {
    Kovril& window = form();
    surface::Surface& s = window.surface();
    const double c = curveCentreX;
    const double r = curveRadius;

    const double w = std::abs(s.ScaleWidth());
    const double h = std::abs(s.ScaleHeight());
    widthFrac = float(w / (w + h));
    heightFrac = float(h / (w + h));

    const double rim = std::sqrt(r * r - c * c);
    s.DrawWidth = 4;
    s.PSet(0, rim);
    s.PSet(0, -rim);
    s.DrawWidth = 1;

    s.Line(-500.0 * widthFrac, 0, 500.0 * widthFrac, 0, QColor(255, 0, 0));
    s.Circle(-c, 0, 2);
    s.Circle(c, 0, 2);
    s.Arc(c, 0, r, leftArcStart, leftArcEnd, s.ForeColor);
    s.Arc(-c, 0, r, rightArcStart, rightArcEnd, s.ForeColor);

    const Point marker = rearSurfacePoint(window.thesiy->Value());
    s.FillColor = QColor(255, 255, 0);
    s.DrawWidth = 2;
    s.Circle(marker.x, marker.y, 1.5, Qt::black);

    s.DrawWidth = 1;
    s.FillColor = QColor(150, 150, 80);
    s.FillStyle = surface::FillMode::Solid;
    s.FloodFill(surface::toInteger(originPxX), surface::toInteger(originPxY), Qt::black);
    s.Refresh();
}

} // namespace scene
