// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace geometry {

// The direction angle of a continued ray from its exit point towards a point of the
// ray beyond the lens, from the slope, so within [-pi/2, pi/2]: the ray is taken as
// running towards increasing x. A point straight above or below gives ±pi/2 by the sign
// of the y difference; the exit point itself gives no direction.
std::optional<double> outgoingDirection(double exitX, double exitY, double outX, double outY);

} // namespace geometry
