// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"
#include "geometry/object_arrow.h"

#include <QString>

#include <utility>
#include <vector>

// What the labels beside the picture say of the object and its image: the lens equation's
// numbers and the traced image's distance beside them.
namespace scene {

// Each label's objectName and its text, in the order they stand, for an object before a lens
// whose fan has n + 1 rays.
std::vector<std::pair<QString, QString>> objectNumbers(const geometry::Lens& lens,
                                                       const geometry::ObjectArrow& object, int n);

// The labels' objectNames, in the same order.
const std::vector<QString>& objectNumberNames();

} // namespace scene
