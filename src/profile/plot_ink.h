// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/picture_inks.h"

#include <vector>

// How each element of the time profile is drawn, for the panel, the page and the help.
namespace profile {

namespace ink {
inline const surface::Ink axes{QColor(0, 0, 0)};
inline const surface::Ink curve{QColor(200, 0, 0), 2};
inline const surface::Ink rims{QColor(120, 120, 120), 1, surface::PenStyle::Dashed};
inline const surface::Ink minimum{QColor(0, 128, 0), 10};
inline const surface::Ink trial{QColor(0, 0, 255), 10};
inline const surface::Ink steps{QColor(200, 100, 0), 5}; // the dots and their numbers
} // namespace ink

// The profile's elements for the help (Greek source text, context "Legend").
const std::vector<surface::LegendEntry>& plotLegend();

} // namespace profile
