// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The label texts every continuation beyond the lens shares.
namespace continuation {

// "ολική ανάκλαση     ορική = c", the critical angle in degrees.
QString totalReflectionCaption(double critical);
// "προσπτωσης =i", unsigned degrees.
QString incidenceCaption(double incidence);
// "προσπτωσης =i διάθλασης =r", unsigned degrees.
QString anglesCaption(double incidence, double refraction);
// "δείκτης = " with the given pattern ("0.00", "0.000").
QString indexCaption(double sineRatio, const char* pattern);

} // namespace continuation
