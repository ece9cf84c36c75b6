// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/refraction.h"

#include "geometry/helpers.h"
#include "geometry/lens.h"

namespace geometry {

Refraction refractionAt(const Lens& lens, double sourceX, double sourceY, double px, double py,
                        double tx, double ty) {
    const double normalX = lens.curveCentreX() - px;
    const double normalY = -py;
    return {signedAngle(px - sourceX, py - sourceY, normalX, normalY),
            signedAngle(tx - px, ty - py, normalX, normalY)};
}

} // namespace geometry
