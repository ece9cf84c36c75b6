#pragma once

namespace timestep {

// The thin-lens image of a source at (xs, ys): v = 1 / (1/xs + 1/fThin) and the height by
// the magnification v / xs. Not finite for a source at x = 0 or at x = -fThin.
struct ThinLensImage {
    float fThin = 0; // R / 2: the lensmaker's focal length at index 2
    double x = 0;
    double y = 0;
};

ThinLensImage thinLensImage(double radius, double xs, double ys);

// The thin-lens construction of the source's image with its focal points, then the
// thick lens's cardinal points and construction.
void drawLensConstructions();

} // namespace timestep
