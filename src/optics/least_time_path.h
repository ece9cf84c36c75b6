// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/point.h"
#include "surface/labels.h"
#include "surface/surface.h"

#include <cstdint>
#include <optional>

namespace optics {

// What the least-time path leaves for the window: where the blue point goes, and the texts.
struct LeastTimePath {
    std::optional<geometry::Point> bluePoint; // none when the search gave up
    surface::LabelTexts labels;
};

// Finds the least-time point P of the front surface for the yellow point at height v of
// the rear surface and draws source -> P -> T with the dotted normal at P, unless hidden. Angles,
// index, the blue point's height and the time go to the labels. A search that gives up says so and
// draws nothing.
LeastTimePath drawLeastTimePath(surface::Surface& s, const geometry::Lens& lens,
                                geometry::Source source, std::int16_t v,
                                const geometry::Layers& layers);

} // namespace optics
