// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"

#include <QString>

#include <optional>

// Which lenses the bench lets a user give, and where a lens's faces meet, with the field at
// fault and the reason in the interface's language.
namespace scene {

// The height from the axis where the two faces meet, or infinity where they never do.
double facesMeet(const geometry::LensGiven& lens);
// The half-height of the rim a lens has: its own, or where its faces meet when it gives none.
double apertureOf(const geometry::LensGiven& lens);
// The lens with this aperture; one at the height where the faces meet is kept as "where they
// meet", as the start-up lens gives it.
geometry::LensGiven withAperture(geometry::LensGiven lens, double aperture);
// Why some numbers give no lens: the given number at fault, and why in the interface's
// language.
struct LensProblem {
    const char* field; // index, frontRadius, rearRadius, thickness or aperture
    QString why;
};

// Why these numbers give no lens this program draws; nothing when they give one.
std::optional<LensProblem> lensProblem(const geometry::LensGiven& lens);

} // namespace scene
