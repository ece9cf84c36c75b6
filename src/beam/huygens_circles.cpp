#include "beam/huygens_circles.h"

#include "beam/beam.h"
#include "beam/exit_angle.h"
#include "scene/kovril.h"
#include "scene/state.h"

#include <algorithm>

namespace beam {

void drawHuygensCircles(std::int16_t n) {
    using namespace scene;
    surface::Surface& s = form().surface();
    const int last = std::min<int>(n, int(beamTime.size()) - 1);

    const float maxTime = latestArrival(last);

    s.FillStyle = surface::FillMode::Transparent;
    for (int i = 0; i <= last; ++i) {
        const double radius = speedAir * ((maxTime + 0.7) - beamTime[i]);
        if (leavesLens(i)) {
            s.Circle(beamExitX[i], beamExitY[i], radius);
        } else {
            s.DrawWidth = 6;
            s.PSet(beamExitX[i], beamExitY[i], QColor(255, 0, 0));
            s.DrawWidth = 1;
        }
    }
}

} // namespace beam

void Kovril::Command3_Click() {
    const std::int16_t n = arithmosaktinon->Value();
    surface().DrawWidth = 1;
    beam::drawBeam(kyklos->centreX(), kyklos->centreY(), n);
    surface().DrawWidth = 1;
    beam::drawHuygensCircles(n);
}
