// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace surface {

// Lets screen readers read a ScrollBar's Value, not the negated position Qt holds for the
// bars whose minimum is at the top. Safe to call more than once.
void installScrollBarAccessibility();

} // namespace surface
