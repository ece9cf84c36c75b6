// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surface.h"

#include <QColor>

// Drawing for constructions whose points can run off to infinity for some source
// positions. Nothing non-finite reaches a surface; lines are clipped to a box ten times
// the window's half extents around the origin, and a dot or circle centred outside that
// box, or a circle larger than it, is skipped, so that nothing drawn can stall the
// raster engine.
namespace surface {

void guardedLine(Surface& s, double x1, double y1, double x2, double y2, QColor color);
void guardedPSet(Surface& s, double x, double y, QColor color);
void guardedCircle(Surface& s, double x, double y, double radius, QColor color);

} // namespace surface
