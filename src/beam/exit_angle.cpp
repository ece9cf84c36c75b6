#include "beam/exit_angle.h"

#include "optics/helpers.h"
#include "scene/state.h"

#include <cmath>

namespace beam {

double exitAngle(int i) {
    using namespace scene;
    return optics::signedAngle(beamExitX[i] - beamEntryX[i], beamExitY[i] - beamEntryY[i],
                               beamExitX[i] + curveCentreX, beamExitY[i]);
}

bool leavesLens(int i) {
    return !(std::abs(exitAngle(i)) > optics::criticalAngle());
}

} // namespace beam
