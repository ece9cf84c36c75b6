// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printed_page.h"

#include "geometry/lens.h"
#include "geometry/state.h"
#include "optics/lens_drawing.h"
#include "print/page_job.h"
#include "print/printed_beam.h"

#include <cmath>

namespace print {

namespace {

// The wavelength scales above the lens: ten wavelengths in air against as many as the lens
// fits in the same span (twenty at index 2), the wavelength inside being the outside one
// divided by the index.
void drawWavelengthScales(surface::Surface& page, const geometry::Lens& lens) {
    page.Line(-180, -180, 20, -180);
    page.Line(-180, -160, 20, -160);
    page.CurrentX = 20;
    page.CurrentY = -170;
    page.Print(QStringLiteral("WAVELENGTHS IN AIR"));
    page.Line(-180, -150, 20, -150);
    page.Line(-180, -130, 20, -130);
    page.CurrentX = 20;
    page.CurrentY = -140;
    page.Print(QStringLiteral("WAVELENGTHS IN LENS"));
    for (int i = 0; i <= 10; ++i) {
        const double x = -180 + 10.0 * i * lens.speedAir();
        page.Line(x, -180, x, -160);
    }
    // The small addition keeps an index such as 1.5, inexact as speeds, from losing a tick.
    const int inLens = int(std::floor(10.0 * lens.speedAir() / lens.speedLens() + 1e-4));
    for (int i = 0; i <= inLens; ++i) {
        const double x = -180 + 10.0 * i * lens.speedLens();
        page.Line(x, -150, x, -130);
    }
}

} // namespace

bool printPicture(surface::Surface& window, const geometry::Lens& lens, const PageInputs& inputs) {
    PageJob job;
    surface::Surface* page = job.page();
    if (!page)
        return false;
    const double pw = page->ScaleWidth();
    const double ph = page->ScaleHeight();
    geometry::widthFrac = float(pw / (pw + ph));
    geometry::heightFrac = float(ph / (pw + ph));
    // The page frame is the window's turned through 180°: x grows to the left, y downwards.
    page->Scale(500.0 * geometry::widthFrac, -500.0 * geometry::heightFrac,
                -500.0 * geometry::widthFrac, 500.0 * geometry::heightFrac);

    optics::LensDrawing drawing;
    drawing.axisHalfLength = 500.0 * geometry::widthFrac;
    drawing.marker = lens.pointBehindRearSurface(inputs.v);
    optics::drawLens(*page, lens, drawing);

    printBeam(*page, window, lens, inputs.source, inputs.n, inputs.timeValue, inputs.layers);
    drawWavelengthScales(*page, lens);
    job.finish();
    return true;
}

} // namespace print
