// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"

#include <functional>
#include <vector>

namespace geometry {

// How the search compares its step with its threshold: the button's own search rounds
// both to 32-bit floats, the procedure compares them as doubles. For the steps the walk
// takes (2π/180 as a float, halved) both stop at the same step, so both give the same
// result; the choice is kept to say which rule each caller follows.
enum class StepTest { Double, Single };

// The outcome of one least-time search, with what it cost.
struct LensSearch {
    bool found = false;
    double x = 0; // the point of the front surface evaluated last
    double y = 0;
    double time = 0;     // its travel time
    int evaluations = 0; // pathTime evaluations, the first included
    int reversals = 0;   // how often the step turned back and halved
};

constexpr int searchRoundLimit = 1500;

// The least-time point of the front surface for a target point, with its travel time, as
// 32-bit floats; all zero after a failed search, which callers still use as a point.
struct LensEntry {
    float x = 0;
    float y = 0;
    float time = 0;
    bool found = false; // false: the student is told "not found" once for this search
};

// Finds the point P of the front surface through which light from the source S reaches T
// in the least time. It starts at the lower rim and walks upwards along the face (by its
// walk parameter), turning back with half the step whenever the time stops falling, until the
// step is below 1e-7 rad, or gives up after roundLimit rounds.
LensSearch searchLensEntry(const Lens& lens, float sourceX, float sourceY, double tx, double ty,
                           StepTest test, int roundLimit = searchRoundLimit);

// One point the search evaluated: where on the front surface, and its travel time.
struct SearchStep {
    double x = 0;
    double y = 0;
    double time = 0;
};

// The same search, also listing every point it evaluated, in order, so that its steps,
// reversals and halvings can be shown. It is a replay for display, not a construction:
// the observer is not told.
LensSearch traceLensEntry(const Lens& lens, float sourceX, float sourceY, double tx, double ty,
                          StepTest test, std::vector<SearchStep>& steps);

// The least-time point for light from the source S to (tx, ty), the step compared as a
// double.
LensEntry findLensEntry(const Lens& lens, float sourceX, float sourceY, double tx, double ty);

// Hands every search's outcome, found or not, to an observer as it ends, so that tests can
// see what each construction cost; an empty function stops it. Nothing else observes.
void setSearchObserver(std::function<void(const LensSearch&)> observer);

} // namespace geometry
