// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/action_log.h"
#include "geometry/bar_ranges.h"
#include "geometry/layers.h"
#include "geometry/lens.h"
#include "geometry/measuring_tools.h"
#include "geometry/object_arrow.h"
#include "geometry/point.h"

#include <cstdint>
#include <optional>

namespace geometry {

// Everything a scene is: what the window shows and what a scene file keeps. The window's
// controls show it; its handlers read it and write it. A copy is the whole scene.
struct SceneState {
    Lens lens = Lens::standard();
    // The centre of the source marker, as the marker stores it: its corner in 32-bit floats.
    Point source;
    // The centre of the blue marker, stored the same way.
    Point bluePoint;
    // The blue point stands on the front surface, put there by a trial move or the least-time
    // button, rather than left anywhere by a drop.
    bool blueOnSurface = false;
    // The scroll bars' values, under their controls' names.
    std::int16_t thesiy = thesiyRange.start;
    std::int16_t shmeio_thesi = shmeioThesiRange.start;
    std::int16_t arithmosaktinon = arithmosaktinonRange.start;
    std::int16_t xronosmetato = xronosmetatoRange.start;
    // The object whose image the lens forms, when it is shown.
    std::optional<ObjectArrow> object;
    // What the labels say now; the log's start holds what they said at its first action.
    LabelTextArray labels;
    double label3Points = 0; // Label3's font size, which the trial path changes
    ActionLog log;
    // The ruler and the protractor over the picture, when shown.
    MeasuringTools tools;
    // What the picture shows; a view of the scene rather than a step of it.
    Layers layers;

    bool operator==(const SceneState&) const = default;
};

// The source a construction reads: the source's centre, as 32-bit floats.
inline Source sourceOf(const SceneState& state) {
    return {float(state.source.x), float(state.source.y)};
}

} // namespace geometry
