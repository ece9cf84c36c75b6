// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/surface.h"

#include <cstdint>

namespace print {

// What the printed page shows: the window's source, the yellow point's height v, the ray
// count n, the time value and the layers shown.
struct PageInputs {
    geometry::Source source;
    std::int16_t v = 0;
    int n = 0;
    std::int16_t timeValue = 0;
    geometry::Layers layers;
};

// Prints the picture turned through 180° with the time-stepped beam and the two wavelength
// scales, on the default printer or else into a new PDF in the documents folder. The
// window's fill style is touched as the printed beam says; the shared proportions are left
// as the page's. Whether a page was printed.
bool printPicture(surface::Surface& window, const geometry::Lens& lens, const PageInputs& inputs);

} // namespace print
