// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surface.h"

#include <QColor>

#include <vector>

// How each element of the picture is drawn. The drawing procedures take their colours,
// widths and styles from here, and the help shows every entry with a sample, so that the
// two cannot drift apart.
namespace surface {

struct Ink {
    QColor color;
    int width = 1; // logical pixels; for dots, their diameter
    PenStyle style = PenStyle::Solid;
};

namespace inks {
inline const QColor black(0, 0, 0);
inline const QColor red(255, 0, 0);
inline const QColor magenta(255, 0, 255);
inline const QColor green(0, 255, 0);
inline const QColor cyan(0, 255, 255);

inline const Ink axis{red};
// Pure black: the flood fill of the lens stops only at black.
inline const Ink lensOutline{black};
inline const Ink lensFill{QColor(150, 150, 80)};
inline const Ink yellowPoint{QColor(255, 255, 0)};
inline const Ink yellowPointRim{black, 2}; // on the window; elsewhere the outline's own width
inline const Ink rimDots{black, 4};
inline const Ink path{black};
inline const Ink normal{black, 1, PenStyle::Dotted};
inline const Ink exitDots{black, 4};
inline const Ink totalReflection{red, 6};
inline const Ink wavelets{black};
inline const Ink constructionToP{magenta};
inline const Ink constructionAbove{red};
inline const Ink constructionBelow{green};
inline const Ink rearNormal{black, 1, PenStyle::Dashed};
inline const Ink continuedRay{red, 2};
inline const Ink continuedRayOnPage{red};
inline const Ink exitRefraction{QColor(0, 55, 0)};
inline const Ink rayEnds{black};
inline const Ink wavefront{black};
inline const Ink thinLensImage{QColor(0, 0, 255), 15};
inline const Ink thinLensFoci{magenta, 15};
inline const Ink thinLensRays{green, 2};
inline const Ink principalPlanes{black, 1, PenStyle::Dotted};
inline const Ink thickLensFoci{red, 15};
inline const Ink nodalPoints{QColor(5, 250, 0), 15};
inline const Ink thickLensRays{cyan, 2};
inline const Ink thickLensImage{cyan, 15};
inline const Ink ruler{QColor(230, 110, 0), 2};
inline const Ink rulerEnds{QColor(230, 110, 0), 5};
inline const Ink protractor{QColor(150, 0, 200), 2};
inline const Ink protractorEnds{QColor(150, 0, 200), 5};
inline const Ink toolCaptions{black};
inline const Ink objectArrow{QColor(0, 0, 170), 3};
inline const Ink realImage{QColor(170, 0, 170), 3};
inline const Ink virtualImage{QColor(170, 0, 170), 3, PenStyle::Dashed};
inline const Ink imageFan{QColor(230, 110, 0)};
inline const Ink imageFanBackward{QColor(230, 110, 0), 1, PenStyle::Dashed};
inline const Ink aberrationDots{QColor(120, 60, 0), 5};
inline const Ink equationFoci{QColor(200, 0, 0), 9};
inline const Ink equationPlanes{QColor(0, 110, 110), 1, PenStyle::Dotted};
inline const Ink equationRays{QColor(0, 130, 130), 2};
inline const Ink equationRaysBackward{QColor(0, 130, 130), 1, PenStyle::Dashed};
inline const Ink directionArrow{black};
inline constexpr double directionArrowSize = 9;       // pixels, from the middle back
inline constexpr double directionArrowHalfAngle = 25; // degrees each side of the ray
} // namespace inks

// One element of the picture for the help: its ink, how its sample is drawn and what it is
// (Greek source text, context "Legend").
struct LegendEntry {
    enum class Sample { Line, Dot, Circle, Fill };
    const Ink* ink;
    Sample sample;
    const char* name;
};

const std::vector<LegendEntry>& pictureLegend();

} // namespace surface
