// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"

// The lens as a value: what a user gives of it, and the numbers every construction reads,
// derived from that in one place.
namespace geometry {

// The lens as a user would give it, centred on the origin: the front vertex at
// −thickness/2, the rear at +thickness/2. A positive radius is a face that bulges outwards,
// a negative one a hollow face, 0 a flat face.
struct LensGiven {
    double frontRadius = 180;
    double rearRadius = 180;
    double thickness = 30; // on the axis
    double aperture = 0;   // half-height of the rim; 0 puts it where the faces meet
    float speedInside = 1;
    float speedOutside = 2;

    bool operator==(const LensGiven&) const = default;
};

// Why given numbers make no lens.
enum class LensFault {
    None,
    NotANumber,
    SpeedNotPositive,
    IndexOutOfRange,     // speed outside / speed inside beyond 1 … 3
    ApertureNegative,    // or not a number
    NoRim,               // the faces never meet and no aperture closes the lens
    RadiusBelowAperture, // a curved face smaller than the rim it must reach
    FacesCrossOnAxis,    // thickness 0 or less: the vertices meet or pass each other
};

LensFault whyNoLens(const LensGiven& given);

constexpr double lowestIndex = 1;
constexpr double highestIndex = 3;

// One face of the lens. A curved face is walked by the polar angle about its centre of
// curvature (0 at the vertex, growing upwards); a flat face by its height as a fraction of
// the rim's.
struct LensFace {
    bool flat = false;
    bool centreOnRight = false; // the centre of curvature lies right of the face
    float centreX = 0;          // centre of curvature (curved faces)
    float radius = 0;           // its distance from the face (curved faces)
    float vertexX = 0;          // where the face crosses the axis
    double rimX = 0;            // where the face meets the rim
    // The walk's parameter at the upper rim, from the 32-bit rim height.
    double rimParameter = 0;
    // The polar angle of the upper rim about the centre, from the double rim height.
    double rimAngle = 0;
    float arcStart = 0; // the face's arc as it is drawn, counter-clockwise about its centre
    float arcEnd = 0;
    double rimHeightForFlat = 0; // a flat face's walk parameter 1 is at this height

    // The face's point at a walk parameter.
    Point pointAt(double parameter) const;
    // The walk parameter of a point of the face.
    double parameterOf(double x, double y) const;
    // The face's normal at a point of it, pointing to increasing x (into the lens at the
    // front face, out of it at the rear), not of unit length.
    Point rightwardNormal(double x, double y) const;
    // The x of the face at height v (|v| up to the radius).
    double xAt(double v) const;
};

// A lens and what follows from it. The derived numbers are 32-bit floats, as the
// constructions have always read them, computed from the given ones in double precision.
class Lens {
public:
    // The lens the program starts with: radii 180, thickness 30, speeds 1 inside and 2
    // outside (index 2).
    static Lens standard();
    // Numbers for which whyNoLens finds a fault give a lens of no use.
    explicit Lens(const LensGiven& given);

    const LensGiven& given() const { return given_; }
    const LensFace& front() const { return front_; }
    const LensFace& rear() const { return rear_; }
    // The front face's centre of curvature and its distance from the face.
    float curveCentreX() const { return front_.centreX; }
    float curveRadius() const { return front_.radius; }
    // y of the upper rim; the rims are (x, ±halfHeight).
    float halfHeight() const { return halfHeight_; }
    // The same height in double precision, as the rim dots and the trial point's limit use it.
    double rimHeight() const { return rimHeight_; }
    // Where the faces meet, if they do (NaN if not); the rim is there unless the aperture is
    // smaller.
    double meetingHeight() const { return meetingHeight_; }
    // Thickness at the rim: rear rim x − front rim x.
    double edgeThickness() const { return rear_.rimX - front_.rimX; }
    // The polar angle of the front face's upper rim about its centre, in double precision.
    double rimAngle() const { return front_.rimAngle; }
    float leftArcStart() const { return front_.arcStart; }
    float leftArcEnd() const { return front_.arcEnd; }
    float rightArcStart() const { return rear_.arcStart; }
    float rightArcEnd() const { return rear_.arcEnd; }
    float speedAir() const { return given_.speedOutside; }
    float speedLens() const { return given_.speedInside; }
    // speed outside / speed inside.
    float index() const { return index_; }

    // The largest distance of the lens from the plane x = 0: at a vertex or at a rim.
    double lensHalfWidth() const;
    // A point well inside the lens: halfway between the faces at the height where the lens
    // is thickest (on the axis unless the lens is thinner there than towards its rim).
    Point insidePoint() const;

    // The point of the rear surface at height v (|v| < its radius).
    Point rearSurfacePoint(double v) const;
    // The same height just behind the rear surface: its x uses the radius enlarged by 1 %
    // (one unit behind a flat face).
    Point pointBehindRearSurface(double v) const;
    // The point of the front surface at height v (|v| <= its radius).
    Point frontSurfacePoint(double v) const;

    bool operator==(const Lens& other) const { return given_ == other.given_; }

private:
    LensGiven given_;
    LensFace front_;
    LensFace rear_;
    float halfHeight_ = 0;
    double rimHeight_ = 0;
    double meetingHeight_ = 0;
    float index_ = 0;
};

} // namespace geometry
