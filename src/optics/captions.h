#pragma once

#include "optics/refraction.h"

#include <QString>

// The label texts the least-time point, the trial point and a drop share.
namespace optics {

// "πρόσπτωσης= a διάθλασης= b", both in degrees.
QString anglesCaption(const Refraction& angles);
// The measured index sin(incidence) / sin(refraction); only for a refraction whose sine
// is not 0.
QString indexCaption(const Refraction& angles);
QString timeCaption(double time);

} // namespace optics
