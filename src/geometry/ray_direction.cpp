// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/ray_direction.h"

#include <cmath>
#include <numbers>

namespace geometry {

std::optional<double> outgoingDirection(double exitX, double exitY, double outX, double outY) {
    const double dx = outX - exitX;
    const double dy = outY - exitY;
    if (dx != 0)
        return std::atan(dy / dx);
    if (dy > 0)
        return std::numbers::pi / 2;
    if (dy < 0)
        return -std::numbers::pi / 2;
    return std::nullopt;
}

} // namespace geometry
