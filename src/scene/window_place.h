// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

namespace scene {

// The size below which the controls would cover the lens, in logical pixels, kept within a
// screen whose available area is this size, with room left for the window's frame.
QSize minimumWindowSize(QSize available);
// Where the window stands when it is not maximized: smaller than the available area and
// centred in it, with its title bar on the screen.
QRect normalWindowPlace(const QRect& available);

} // namespace scene
