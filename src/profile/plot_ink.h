#pragma once

#include "surface/surface.h"

#include <QColor>

// How each element of the time profile is drawn, for the panel, the page and the help.
namespace profile {

struct PlotInk {
    QColor color;
    int width = 1; // logical pixels; for marks, the dot's diameter
    surface::PenStyle style = surface::PenStyle::Solid;
};

namespace ink {
inline const PlotInk axes{QColor(0, 0, 0), 1};
inline const PlotInk curve{QColor(200, 0, 0), 2};
inline const PlotInk rims{QColor(120, 120, 120), 1, surface::PenStyle::Dashed};
inline const PlotInk minimum{QColor(0, 128, 0), 10};
inline const PlotInk trial{QColor(0, 0, 255), 10};
inline const PlotInk steps{QColor(230, 120, 0), 5};
inline const PlotInk stepNumbers{QColor(150, 80, 0), 1};
} // namespace ink

} // namespace profile
