// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace surface {

// Fixed-point text of a number with as many decimals as the pattern has zeros after
// its point ("0", "0.00"): rounded half away from zero, at least one integer digit, an
// ASCII minus for negative values, no group separators and the decimal separator of
// the user's locale.
QString Format(double value, const char* pattern);

// Conversion of a number to an integer: to the nearest, halves to even.
int toInteger(double value);

} // namespace surface
