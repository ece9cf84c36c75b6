// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace geometry {

// What the picture shows of what its drawings construct. A hidden layer is left out of the
// picture, the saved pictures and the printed page; its construction still runs, so that what
// the labels and the later drawings read stays the same.
struct Layers {
    bool normals = true;
    bool wavelets = true;
    bool cardinal = true;
    bool wavefronts = true;
    // The beam's rays, through the lens and on beyond it.
    bool beam = true;
    // An arrowhead in the middle of every drawn ray, the way light travels.
    bool directionArrows = false;

    bool operator==(const Layers&) const = default;
};

} // namespace geometry
