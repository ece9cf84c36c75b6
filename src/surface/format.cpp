// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/format.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace surface {

namespace {

int decimalsOf(const char* pattern) {
    const char* point = std::strchr(pattern, '.');
    return point ? int(std::strlen(point + 1)) : 0;
}

// How many fractional digits the exact decimal expansion of a double has: a binary
// fraction of k bits needs exactly k decimal digits. Printing more only adds zeros.
int exactFractionDigits(double magnitude) {
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int lowestBit =
        std::max(exponent - std::numeric_limits<double>::digits,
                 std::numeric_limits<double>::min_exponent - std::numeric_limits<double>::digits);
    return std::max(0, -lowestBit);
}

// Adds one unit in the last place of a string of decimal digits.
void carry(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

QString Format(double value, const char* pattern) {
    if (!std::isfinite(value))
        return QStringLiteral("--");
    const int decimals = decimalsOf(pattern);
    // The exact decimal expansion of the double, so the rounding sees the true tail.
    char exact[1200];
    const int precision = std::max(exactFractionDigits(std::abs(value)), decimals + 1);
    std::snprintf(exact, sizeof exact, "%.*f", precision, std::abs(value));
    const char* point = std::strchr(exact, '.');
    std::string digits(exact, std::size_t(point - exact));
    digits.append(point + 1, decimals);
    if (point[1 + decimals] >= '5')
        carry(digits);
    const std::size_t integerDigits = digits.size() - std::size_t(decimals);
    QString text = QString::fromLatin1(digits.data(), qsizetype(integerDigits));
    if (decimals > 0)
        text +=
            QLocale().decimalPoint() + QString::fromLatin1(digits.data() + integerDigits, decimals);
    if (value < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

int toInteger(double value) {
    return int(std::nearbyint(value));
}

} // namespace surface
