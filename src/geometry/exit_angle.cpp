// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/exit_angle.h"

#include "geometry/helpers.h"
#include "geometry/state.h"

#include <cmath>

namespace geometry {

double exitAngle(const Lens& lens, int i) {
    return signedAngle(beamExitX[i] - beamEntryX[i], beamExitY[i] - beamEntryY[i],
                       beamExitX[i] + lens.curveCentreX(), beamExitY[i]);
}

bool leavesLens(const Lens& lens, int i) {
    return !(std::abs(exitAngle(lens, i)) > criticalAngle(lens));
}

} // namespace geometry
