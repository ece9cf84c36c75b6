// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The object whose image the lens forms: an arrow standing on the axis.
namespace geometry {

struct ObjectArrow {
    double x = -300;    // the foot, on the axis
    double height = 20; // the tip stands at (x, height)

    bool operator==(const ObjectArrow&) const = default;
};

} // namespace geometry
