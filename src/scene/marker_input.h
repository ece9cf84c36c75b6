// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"

#include <QPointF>

#include <optional>

// What the mouse and the keys do to the two markers, apart from what the window draws: which
// marker a press grabs, when a drag is real, where a dragged marker may stand and where a drop
// or a key puts it.
namespace scene {

enum class Marker { None, Source, BluePoint };

// Where a release or a key leaves the two points the dropped path runs through.
struct Drop {
    geometry::Point source;
    geometry::Point bluePoint;
};

class MarkerInput {
public:
    // A press at a window pixel; onBluePoint and onSource say whether it lies within the grab
    // band of each marker. The blue point lies above the source when both are under it.
    void press(QPointF pixel, bool onBluePoint, bool onSource);
    // A move to a window pixel and the scene point under it: where the dragged marker goes,
    // or nothing while no marker is dragged or the pointer has not yet gone the drag
    // distance, so that the tremor of a click moves nothing.
    std::optional<geometry::Point> move(QPointF pixel, geometry::Point at);
    // A release at a scene point, with the markers' centres: the drop it makes, or nothing
    // when no marker was really dragged. Ends the drag either way.
    std::optional<Drop> release(geometry::Point at, geometry::Point source,
                                geometry::Point bluePoint);
    // The source moved by an arrow key, (dx, dy) scene units, kept inside the frame.
    static geometry::Point nudged(geometry::Point source, double dx, double dy);

    // The marker a press grabbed, until its release.
    Marker dragged() const { return dragged_; }

private:
    Marker dragged_ = Marker::None;
    QPointF pressPixel_; // where the press that grabbed a marker was
    bool moved_ = false; // the pointer went the drag distance from there
};

} // namespace scene
