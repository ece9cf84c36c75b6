// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The properties a drawing procedure sets on the surface it draws on and leaves there for the
// next one, as plain values that a scene can keep.
namespace geometry {

enum class PenStyle { Solid = 0, Dashed = 1, Dotted = 2 };
enum class FillMode { Solid = 0, Transparent = 1 };

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

struct DrawingProperties {
    PenStyle drawStyle = PenStyle::Solid;
    int drawWidth = 1;
    FillMode fillStyle = FillMode::Solid;
    Rgb fillColor;
    double fontSize = 10;

    bool operator==(const DrawingProperties&) const = default;
};

} // namespace geometry
