// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/refraction.h"

#include <QString>

// The label texts the least-time point, the trial point and a drop share.
namespace optics {

// "πρόσπτωσης= a διάθλασης= b", both in degrees.
QString anglesCaption(const geometry::Refraction& angles);
// The measured index sin(incidence) / sin(refraction); only for a refraction whose sine
// is not 0.
QString indexCaption(const geometry::Refraction& angles);
QString timeCaption(double time);

} // namespace optics
