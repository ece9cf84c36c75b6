// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/exit_angle.h"

#include "geometry/helpers.h"
#include "geometry/state.h"

#include <cmath>

namespace geometry {

double exitAngle(int i) {
    return signedAngle(beamExitX[i] - beamEntryX[i], beamExitY[i] - beamEntryY[i],
                       beamExitX[i] + curveCentreX, beamExitY[i]);
}

bool leavesLens(int i) {
    return !(std::abs(exitAngle(i)) > criticalAngle());
}

} // namespace geometry
