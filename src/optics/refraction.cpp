#include "optics/refraction.h"

#include "optics/helpers.h"
#include "scene/state.h"

namespace optics {

Refraction refractionAt(double sourceX, double sourceY, double px, double py, double tx,
                        double ty) {
    const double normalX = scene::curveCentreX - px;
    const double normalY = -py;
    return {signedAngle(px - sourceX, py - sourceY, normalX, normalY),
            signedAngle(tx - px, ty - py, normalX, normalY)};
}

} // namespace optics
