// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/refraction.h"

#include "geometry/helpers.h"
#include "geometry/lens.h"

namespace geometry {

Refraction refractionAt(const Lens& lens, double sourceX, double sourceY, double px, double py,
                        double tx, double ty) {
    const Point normal = lens.front().rightwardNormal(px, py);
    return {signedAngle(px - sourceX, py - sourceY, normal.x, normal.y),
            signedAngle(tx - px, ty - py, normal.x, normal.y)};
}

} // namespace geometry
