// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/window_place.h"

namespace scene {

namespace {

const QSize designMinimum(800, 600);
constexpr double normalShare = 0.8;

// The part of the available area the window itself may take: the window manager puts a title
// bar above it and thin borders around it.
QRect withoutDecorations(const QRect& available) {
    return available.adjusted(8, 40, -8, -8);
}

} // namespace

QSize minimumWindowSize(QSize available) {
    return designMinimum.boundedTo(withoutDecorations(QRect(QPoint(0, 0), available)).size())
        .expandedTo(QSize(1, 1));
}

QRect normalWindowPlace(const QRect& available) {
    const QRect room = withoutDecorations(available);
    const QSize size =
        (available.size() * normalShare).expandedTo(minimumWindowSize(available.size()));
    QRect place(QPoint(0, 0), size.boundedTo(room.size()));
    place.moveCenter(room.center());
    return place;
}

} // namespace scene
