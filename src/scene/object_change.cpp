// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/object_image.h"
#include "geometry/state.h"
#include "scene/kovril.h"
#include "scene/object_controls.h"

void Kovril::object_Change(std::optional<geometry::ObjectArrow> object, bool step) {
    // A little inside the edges, so that the arrow's handle can still be taken.
    if (object)
        object = geometry::keptInPicture(lens(), *object, -0.95 * double(geometry::halfWidth),
                                         0.95 * double(geometry::halfHeight));
    state_.object = object;
    if (step)
        afterStep();
    else
        objectControls->follow();
}
