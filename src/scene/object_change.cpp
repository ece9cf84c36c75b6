// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/object_image.h"
#include "geometry/state.h"
#include "scene/kovril.h"
#include "scene/object_controls.h"

void Kovril::object_Change(std::optional<geometry::ObjectArrow> object, bool step) {
    if (object)
        object = geometry::keptInPicture(lens(), *object, -double(geometry::halfWidth),
                                         double(geometry::halfHeight));
    state_.object = object;
    if (step)
        afterStep();
    else
        objectControls->follow();
}
