// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Kovril;

namespace scene {

// Draws the fixed background of every picture over what the window shows: rim dots,
// axis, centres of curvature, lens outline, the yellow marker and the lens fill.
void redrawScene(Kovril& window);

// The first picture on a cleared window: the same lens, with the yellow marker just behind
// the rear surface and the rim dots at the stored rim height.
void drawFirstPicture(Kovril& window);

} // namespace scene
