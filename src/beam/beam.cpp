#include "beam/beam.h"

#include "scene/kovril.h"
#include "scene/state.h"

#include <algorithm>
#include <cmath>

namespace beam {

void recreateRayArrays(int n) {
    using namespace scene;
    const std::size_t rays = std::size_t(std::max(0, n + 1));
    beamExitX.assign(rays, 0.0);
    beamExitY.assign(rays, 0.0);
    beamEntryX.assign(rays, 0.0f);
    beamEntryY.assign(rays, 0.0f);
    beamTime.assign(rays, 0.0f);
}

double rayAngle(int i, int n) {
    const double rimAngle = std::atan(double(scene::lensHalfHeight) / scene::curveCentreX);
    const double spacing = 2 * rimAngle / (n + 2);
    return -rimAngle + spacing * (i + 1);
}

optics::LensEntry traceRay(int i, int n) {
    using namespace scene;
    const double angle = rayAngle(i, n);
    beamExitX[i] = curveRadius * std::cos(angle) - curveCentreX;
    beamExitY[i] = curveRadius * std::sin(angle);

    const optics::LensEntry entry = optics::findLensEntry(beamExitX[i], beamExitY[i]);
    beamEntryX[i] = entry.x;
    beamEntryY[i] = entry.y;
    beamTime[i] = entry.time;
    return entry;
}

float latestArrival(int n) {
    float latest = 0;
    for (int i = 0; i <= n; ++i)
        if (scene::beamTime[i] > latest)
            latest = scene::beamTime[i];
    return latest;
}

void drawBeam(float x0, float y0, std::int16_t n) {
    surface::Surface& s = scene::form().surface();
    recreateRayArrays(n);
    for (int i = 0; i <= n; ++i) {
        const optics::LensEntry entry = traceRay(i, n);
        s.DrawWidth = 4;
        s.PSet(scene::beamExitX[i], scene::beamExitY[i]);
        s.DrawWidth = 1;
        s.Line(x0, y0, entry.x, entry.y);
        s.LineTo(scene::beamExitX[i], scene::beamExitY[i]);
    }
}

} // namespace beam

void Kovril::Command2_Click() {
    beam::drawBeam(kyklos->centreX(), kyklos->centreY(), arithmosaktinon->Value());
}
