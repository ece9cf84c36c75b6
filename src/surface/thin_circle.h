// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointF>
#include <QRgb>

namespace surface {

class ChangedTiles;

// Strokes a full circle one raster pixel wide straight into an RGB32 image, touching only
// the pixels it sets: a chain of 8-connected pixels, each within half a pixel of the true
// circle, without 2x2 blocks. Centre and radius are in the image's raster pixels, with pixel
// (i, j) at the point (i, j) as a painter's aliased pen places it; what falls outside the
// image is clipped.
// Returns false, drawing nothing, for a radius it does not handle (below one pixel or too
// large for a pixel's precision), which the caller strokes another way. The tiles it sets
// pixels in are marked in `drawnOn`, if given.
bool drawThinCircle(QImage& image, QPointF centre, double radius, QRgb colour,
                    ChangedTiles* drawnOn = nullptr);

} // namespace surface
