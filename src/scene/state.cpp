// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/state.h"

namespace scene {

float originPxX = 0;
float originPxY = 0;

} // namespace scene
