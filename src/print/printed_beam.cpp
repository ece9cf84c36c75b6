#include "print/printed_beam.h"

#include "beam/beam.h"
#include "beam/exit_angle.h"
#include "scene/guarded.h"
#include "scene/kovril.h"
#include "scene/state.h"
#include "timestep/wavefronts.h"

#include <algorithm>

namespace print {

void printBeyondLens(Kovril& window, int n) {
    using namespace scene;
    for (int i = 0; i <= n; ++i) {
        if (!beam::leavesLens(i))
            continue;
        // At exactly the critical angle the continuation finds total reflection and prints
        // nothing; such a ray keeps an all-zero beamOut rather than the rayOut an earlier
        // ray left, so that no wavelet follows another ray's direction.
        if (window.synexeiaPRINT(beamExitX[i], beamExitY[i]))
            beamOut[i] = rayOut;
    }

    const float maxTime = beam::latestArrival(n);
    const float t = float(window.xronosmetato->Value() + double(maxTime));
    window.evreSiKyklonPRINT(t, n);
}

} // namespace print

void Kovril::desmiakmetaPRINT(float x0, float y0, int n) {
    using namespace scene;
    surface::Surface& page = *Printer;
    beam::recreateRayArrays(n);
    beamOut.assign(std::size_t(std::max(0, n + 1)), RayOut{});
    // The rays as the window's beam traces them, without its dots and pen widths.
    for (int i = 0; i <= n; ++i) {
        const optics::LensEntry entry = beam::traceRay(i, n);
        guardedLine(page, x0, y0, entry.x, entry.y, page.ForeColor);
        guardedLine(page, entry.x, entry.y, beamExitX[i], beamExitY[i], page.ForeColor);
    }
    surface().FillStyle = surface::FillMode::Transparent;
    print::printBeyondLens(*this, n);
    surface().FillStyle = surface::FillMode::Solid;
}

void Kovril::evreSiKyklonPRINT(float xronost, int N11) {
    timestep::drawWavefronts(*Printer, xronost, N11);
}
