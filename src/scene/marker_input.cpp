// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/marker_input.h"

#include "scene/frame.h"

#include <QApplication>

namespace scene {

void MarkerInput::press(QPointF pixel, bool onBluePoint, bool onSource) {
    pressPixel_ = pixel;
    moved_ = false;
    dragged_ = onBluePoint ? Marker::BluePoint : onSource ? Marker::Source : Marker::None;
}

std::optional<geometry::Point> MarkerInput::move(QPointF pixel, geometry::Point at) {
    if (dragged_ == Marker::None)
        return std::nullopt;
    if ((pixel - pressPixel_).manhattanLength() >= QApplication::startDragDistance())
        moved_ = true;
    if (!moved_)
        return std::nullopt;
    return insideFrame(at);
}

std::optional<Drop> MarkerInput::release(geometry::Point at, geometry::Point source,
                                         geometry::Point bluePoint) {
    const Marker was = dragged_;
    dragged_ = Marker::None;
    if (was == Marker::None || !moved_)
        return std::nullopt;
    (was == Marker::BluePoint ? bluePoint : source) = insideFrame(at);
    return Drop{source, bluePoint};
}

geometry::Point MarkerInput::nudged(geometry::Point source, double dx, double dy) {
    return insideFrame({float(source.x + dx), float(source.y + dy)});
}

} // namespace scene
