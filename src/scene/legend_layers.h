// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/layers.h"
#include "surface/picture_inks.h"

namespace scene {

// Whether the picture can show the element of the legend with these layers shown: the
// elements of a hidden layer are not drawn, so the legend leaves them out.
bool legendShown(const surface::LegendEntry& entry, const geometry::Layers& layers);

} // namespace scene
