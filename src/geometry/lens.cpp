// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/lens.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace geometry {

namespace {

// 4·atn(1) as a 32-bit float, as the arc angles have always been measured from.
const float singlePi = float(4 * std::atan(1.0));
const double noHeight = std::numeric_limits<double>::quiet_NaN();

double heightAngle(double r, double v) {
    return std::atan(v / std::sqrt(r * r - v * v));
}

// A face through its vertex: a bulging front face curves about a centre to its right, a
// bulging rear face about one to its left; radius 0 is flat.
LensFace faceThrough(double vertexX, double radius, bool front) {
    LensFace face;
    face.vertexX = float(vertexX);
    if (radius == 0) {
        face.flat = true;
        return face;
    }
    face.radius = float(std::abs(radius));
    face.centreX = front ? float(radius + vertexX) : float(vertexX - radius);
    face.centreOnRight = face.centreX > face.vertexX;
    return face;
}

// The height where two faces meet, and its x; NaN when their near halves never meet.
struct Meeting {
    double x = 0;
    double v = noHeight;
};

bool onFace(const LensFace& face, double x, double v) {
    if (face.flat)
        return true;
    return std::abs(face.xAt(v) - x) <= 1e-6 * face.radius;
}

Meeting facesMeet(const LensFace& front, const LensFace& rear) {
    Meeting m;
    if (front.flat && rear.flat)
        return {};
    if (front.flat || rear.flat) {
        const LensFace& flat = front.flat ? front : rear;
        const LensFace& curved = front.flat ? rear : front;
        m.x = flat.vertexX;
        const double dx = m.x - curved.centreX;
        const double r = curved.radius;
        if (r * r - dx * dx > 0)
            m.v = std::sqrt(r * r - dx * dx);
    } else {
        const double a1 = front.centreX;
        const double a2 = rear.centreX;
        const double r1 = front.radius;
        const double r2 = rear.radius;
        if (a1 == a2)
            return {};
        // + 0.0: a symmetric lens's rims lie at x = +0, never −0.
        m.x = (r1 * r1 - r2 * r2 - a1 * a1 + a2 * a2) / (2 * (a2 - a1)) + 0.0;
        if (r1 * r1 - (m.x - a1) * (m.x - a1) > 0)
            m.v = std::sqrt(r1 * r1 - (m.x - a1) * (m.x - a1));
    }
    if (!(onFace(front, m.x, m.v) && onFace(rear, m.x, m.v)))
        return {};
    return m;
}

// The rim's place on a face and the angles that follow from it.
void placeRim(LensFace& face, double rimX, double rimHeight, float halfHeight) {
    face.rimX = rimX;
    if (face.flat) {
        face.rimParameter = 1;
        face.rimAngle = 0;
        return;
    }
    const double dx = face.centreOnRight ? face.centreX - rimX : rimX - face.centreX;
    face.rimParameter = std::atan(double(halfHeight) / dx);
    face.rimAngle = std::atan(rimHeight / dx);
    if (face.centreOnRight) {
        face.arcStart = float(singlePi - face.rimAngle);
        face.arcEnd = float(face.rimAngle + singlePi);
    } else {
        face.arcStart = float(2 * singlePi - face.rimAngle);
        face.arcEnd = float(face.rimAngle);
    }
}

bool finite(const LensGiven& g) {
    return std::isfinite(g.frontRadius) && std::isfinite(g.rearRadius) &&
           std::isfinite(g.thickness) && std::isfinite(g.aperture) &&
           std::isfinite(g.speedInside) && std::isfinite(g.speedOutside);
}

} // namespace

Point LensFace::pointAt(double parameter) const {
    if (flat)
        return {vertexX, rimHeightForFlat * parameter};
    if (centreOnRight)
        return {centreX - radius * std::cos(parameter), radius * std::sin(parameter)};
    return {centreX + radius * std::cos(parameter), radius * std::sin(parameter)};
}

double LensFace::parameterOf(double x, double y) const {
    if (flat)
        return y / rimHeightForFlat;
    if (centreOnRight)
        return std::atan(y / (centreX - x));
    return std::atan(y / (x - centreX));
}

Point LensFace::rightwardNormal(double x, double y) const {
    if (flat)
        return {1, 0};
    if (centreOnRight)
        return {centreX - x, -y};
    return {x - centreX, y};
}

double LensFace::xAt(double v) const {
    if (flat)
        return vertexX;
    const double r = radius;
    if (centreOnRight)
        return centreX - std::sqrt(r * r - v * v);
    return centreX + std::sqrt(r * r - v * v);
}

LensFault whyNoLens(const LensGiven& given) {
    if (!finite(given))
        return LensFault::NotANumber;
    if (!(given.thickness > 0))
        return LensFault::FacesCrossOnAxis;
    if (!(given.speedInside > 0) || !(given.speedOutside > 0))
        return LensFault::SpeedNotPositive;
    // The bounds themselves, given as speeds, may land a last bit beyond.
    const double index = float(given.speedOutside / given.speedInside);
    const double slack = 1e-6;
    if (index < lowestIndex - slack || index > highestIndex + slack)
        return LensFault::IndexOutOfRange;
    if (given.aperture < 0)
        return LensFault::ApertureNegative;
    for (double radius : {given.frontRadius, given.rearRadius})
        if (radius != 0 && std::abs(radius) < given.aperture)
            return LensFault::RadiusBelowAperture;
    const Lens lens(given);
    if (!(lens.rimHeight() > 0))
        return LensFault::NoRim;
    return LensFault::None;
}

Lens Lens::standard() {
    return Lens(LensGiven{});
}

Lens::Lens(const LensGiven& given) : given_(given) {
    front_ = faceThrough(-given.thickness / 2, given.frontRadius, true);
    rear_ = faceThrough(given.thickness / 2, given.rearRadius, false);
    const Meeting meeting = facesMeet(front_, rear_);
    meetingHeight_ = meeting.v;
    const bool rimWhereFacesMeet =
        given.aperture == 0 || (!std::isnan(meeting.v) && meeting.v <= given.aperture);
    rimHeight_ = rimWhereFacesMeet ? meeting.v : given.aperture;
    halfHeight_ = float(rimHeight_);
    front_.rimHeightForFlat = halfHeight_;
    rear_.rimHeightForFlat = halfHeight_;
    const double frontRimX = rimWhereFacesMeet ? meeting.x : front_.xAt(rimHeight_);
    const double rearRimX = rimWhereFacesMeet ? meeting.x : rear_.xAt(rimHeight_);
    placeRim(front_, frontRimX, rimHeight_, halfHeight_);
    placeRim(rear_, rearRimX, rimHeight_, halfHeight_);
    index_ = given.speedOutside / given.speedInside;
}

double Lens::lensHalfWidth() const {
    return std::max({std::abs(double(front_.vertexX)), std::abs(double(rear_.vertexX)),
                     std::abs(front_.rimX), std::abs(rear_.rimX)});
}

Point Lens::insidePoint() const {
    constexpr int samples = 10;
    double bestHeight = 0;
    double bestThickness = rear_.xAt(0) - front_.xAt(0);
    for (int k = 1; k < samples; ++k) {
        const double v = rimHeight_ * k / samples;
        const double thickness = rear_.xAt(v) - front_.xAt(v);
        if (thickness > bestThickness) {
            bestThickness = thickness;
            bestHeight = v;
        }
    }
    return {(front_.xAt(bestHeight) + rear_.xAt(bestHeight)) / 2, bestHeight};
}

Point Lens::rearSurfacePoint(double v) const {
    if (rear_.flat)
        return {rear_.vertexX, v};
    const double phi = heightAngle(rear_.radius, v);
    if (rear_.centreOnRight)
        return {rear_.centreX - rear_.radius * std::cos(phi), rear_.radius * std::sin(phi)};
    return {rear_.radius * std::cos(phi) + rear_.centreX, rear_.radius * std::sin(phi)};
}

Point Lens::pointBehindRearSurface(double v) const {
    if (rear_.flat)
        return {rear_.vertexX + 1.0, v};
    const double phi = heightAngle(rear_.radius, v);
    if (rear_.centreOnRight)
        return {rear_.centreX - 0.99 * rear_.radius * std::cos(phi), rear_.radius * std::sin(phi)};
    return {1.01 * rear_.radius * std::cos(phi) + rear_.centreX, rear_.radius * std::sin(phi)};
}

Point Lens::frontSurfacePoint(double v) const {
    return {front_.xAt(v), v};
}

} // namespace geometry
