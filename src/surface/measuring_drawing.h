// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/measuring_tools.h"
#include "surface/surface.h"

#include <QString>

#include <optional>

// The ruler and the protractor drawn over the picture. They are drawn on a surface of their
// own over the window's picture, never into it, so that the picture drawn again from its log
// stays as it was.
namespace surface {

// The readings' size in points on a window of this height, in its labels and in saved
// pictures alike: it grows with the window, to be read from the back of a classroom.
double toolCaptionPoints(double windowHeight);

// What each tool reads: the ruler's length, the protractor's angle.
QString rulerText(const geometry::Ruler& ruler);
QString protractorText(const geometry::Protractor& protractor);

// Where each tool's reading stands, as a point of the scene and the side of it the text
// goes to in window pixels: beside the ruler's middle, and beside the vertex away from the
// arms.
struct CaptionPlace {
    geometry::Point at;
    QPointF towards; // a unit direction on the window, y down
};
CaptionPlace rulerCaptionPlace(const geometry::Ruler& ruler);
CaptionPlace protractorCaptionPlace(const geometry::Protractor& protractor);

// The top-left corner of a reading of this size that stands a few pixels from a tool's point
// on the window, towards the given side, with its nearest corner there.
QPointF captionTopLeft(QPointF toolPixel, QPointF towards, QSizeF size);

// The tools shown, with their readings beside them at this size when one is given (saved
// pictures; the window shows its readings in labels).
void drawMeasuringTools(Surface& s, const geometry::MeasuringTools& tools,
                        std::optional<double> readingPoints);

} // namespace surface
