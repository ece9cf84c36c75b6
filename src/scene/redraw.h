#pragma once

class Kovril;

namespace scene {

// Draws the fixed background of every picture over what the window shows: rim dots,
// axis, centres of curvature, lens outline, the yellow marker and the lens fill.
void redrawScene(Kovril& window);

} // namespace scene
