// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timestep/time_stepped_beam.h"

class Kovril;

namespace scene {

// What a change of the time value draws before the wavefront: the cleared, redrawn scene
// and the beam with its continuations, none of which depends on the time. Draws it, or puts
// back the picture, the beam (shared again), the labels and the messages of the last time it
// was drawn from the same inputs. Leaves the window ready for the wavefront.
timestep::SteppedBeam drawSceneAndSteppedBeam(Kovril& window);

// Tests compare the picture with and without what is kept.
void setSteppedBeamCacheEnabled(bool enabled);

} // namespace scene
