// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"

// The lens as a value: what a user gives of it, and the numbers every construction reads,
// derived from that in one place.
namespace geometry {

// The lens as a user would give it. Both faces bulge outwards, and the lens is centred on
// the origin: the front vertex at −thickness/2, the rear at +thickness/2.
struct LensGiven {
    double frontRadius = 180;
    double rearRadius = 180;
    double thickness = 30; // on the axis
    double aperture = 0;   // half-height of the rim; 0 puts it where the faces meet
    float speedInside = 1;
    float speedOutside = 2;

    bool operator==(const LensGiven&) const = default;
};

// A lens and what follows from it. The derived numbers are 32-bit floats, as the
// constructions have always read them, computed from the given ones in double precision.
class Lens {
public:
    // The lens the program starts with: radii 180, thickness 30, speeds 1 inside and 2
    // outside (index 2).
    static Lens standard();
    explicit Lens(const LensGiven& given);

    const LensGiven& given() const { return given_; }
    // Distance of each face's centre of curvature from the lens centre: the front face's
    // centre is at (+curveCentreX, 0), the rear face's at (−curveCentreX, 0).
    float curveCentreX() const { return curveCentreX_; }
    float curveRadius() const { return curveRadius_; }
    // y of the upper rim; the rims are (0, ±halfHeight).
    float halfHeight() const { return halfHeight_; }
    // The same height in double precision, as the rim dots and the trial point's limit use it.
    double rimHeight() const { return rimHeight_; }
    // The polar angle of the upper rim about either centre of curvature, in double precision.
    double rimAngle() const { return rimAngle_; }
    // The arcs of the two faces, as the lens is drawn: the front from leftArcStart to
    // leftArcEnd about its centre, the rear from rightArcStart to rightArcEnd (through 0).
    float leftArcStart() const { return leftArcStart_; }
    float leftArcEnd() const { return leftArcEnd_; }
    float rightArcStart() const { return rightArcStart_; }
    float rightArcEnd() const { return rightArcEnd_; }
    float speedAir() const { return given_.speedOutside; }
    float speedLens() const { return given_.speedInside; }
    // speed outside / speed inside.
    float index() const { return index_; }

    // The point of the rear surface at height v (|v| < curveRadius).
    Point rearSurfacePoint(double v) const;
    // The same height just behind the rear surface: its x uses the radius enlarged by 1 %.
    Point pointBehindRearSurface(double v) const;
    // The point of the front surface at height v (|v| <= curveRadius).
    Point frontSurfacePoint(double v) const;

    bool operator==(const Lens& other) const { return given_ == other.given_; }

private:
    LensGiven given_;
    float curveCentreX_ = 0;
    float curveRadius_ = 0;
    float halfHeight_ = 0;
    double rimHeight_ = 0;
    double rimAngle_ = 0;
    float leftArcStart_ = 0;
    float leftArcEnd_ = 0;
    float rightArcStart_ = 0;
    float rightArcEnd_ = 0;
    float index_ = 0;
};

} // namespace geometry
