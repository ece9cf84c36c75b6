// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/time_profile.h"

#include <QString>

#include <optional>

namespace profile {

// «ελάχιστο: y = …, t = …», two decimals with the locale's separator; says so when the
// search found no minimum.
QString minimumCaption(const geometry::TimeProfile& profile);
// The blue point's height and time and how much longer it takes than the minimum; empty
// when the blue point is not shown.
QString trialCaption(const geometry::TimeProfile& profile,
                     const std::optional<geometry::ProfileSample>& trial);

} // namespace profile
