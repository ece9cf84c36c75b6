// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"

namespace geometry {

// The angles of a path source -> P -> T at a point P of the front surface, in radians,
// each from its ray to the normal into the lens.
struct Refraction {
    double incidence = 0;
    double refraction = 0;
};

Refraction refractionAt(const Lens& lens, double sourceX, double sourceY, double px, double py,
                        double tx, double ty);

} // namespace geometry
