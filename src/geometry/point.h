// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace geometry {

// A point of the scene, in scene units.
struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
};

// Where the light comes from: the centre of the source marker, as the window stores it.
struct Source {
    float x = 0;
    float y = 0;

    bool operator==(const Source&) const = default;
};

} // namespace geometry
