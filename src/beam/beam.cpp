#include "beam/beam.h"

#include "optics/lens_entry.h"
#include "scene/kovril.h"
#include "scene/state.h"

#include <algorithm>
#include <cmath>

namespace beam {

void drawBeam(float x0, float y0, std::int16_t n) {
    using namespace scene;
    surface::Surface& s = form().surface();
    const std::size_t rays = std::size_t(std::max(0, n + 1));
    beamExitX.assign(rays, 0.0);
    beamExitY.assign(rays, 0.0);
    beamEntryX.assign(rays, 0.0f);
    beamEntryY.assign(rays, 0.0f);
    beamTime.assign(rays, 0.0f);

    // The rim-to-rim arc is cut into n + 2 equal parts; the rims themselves carry no ray.
    const double rimAngle = std::atan(double(lensHalfHeight) / curveCentreX);
    const double spacing = 2 * rimAngle / (n + 2);
    for (int i = 0; i <= n; ++i) {
        const double angle = -rimAngle + spacing * (i + 1);
        beamExitX[i] = curveRadius * std::cos(angle) - curveCentreX;
        beamExitY[i] = curveRadius * std::sin(angle);
        s.DrawWidth = 4;
        s.PSet(beamExitX[i], beamExitY[i]);
        s.DrawWidth = 1;

        const optics::LensEntry entry = optics::findLensEntry(beamExitX[i], beamExitY[i]);
        beamEntryX[i] = entry.x;
        beamEntryY[i] = entry.y;
        beamTime[i] = entry.time;

        s.DrawWidth = 1;
        s.Line(x0, y0, entry.x, entry.y);
        s.LineTo(beamExitX[i], beamExitY[i]);
    }
}

} // namespace beam

void Kovril::Command2_Click() {
    beam::drawBeam(kyklos->centreX(), kyklos->centreY(), arithmosaktinon->Value());
}
