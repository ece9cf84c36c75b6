// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdio>

// The checks of the geometry tests, which link no test framework: each failure is printed
// with the case it belongs to, and the program's status says whether any failed.
namespace checks {

inline int passed = 0;
inline int failed = 0;

inline void check(bool ok, const char* what, const char* where) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAIL (%s): %s\n", where, what);
}

inline void near(double actual, double expected, double tolerance, const char* what,
                 const char* where) {
    const bool ok = std::abs(actual - expected) <= tolerance;
    if (!ok)
        std::printf("  %s: %.9g, expected %.9g ± %g\n", what, actual, expected, tolerance);
    check(ok, what, where);
}

// Prints the totals; the status to exit with.
inline int summary() {
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

} // namespace checks
