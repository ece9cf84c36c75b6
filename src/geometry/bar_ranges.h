// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>

namespace geometry {

// A scroll bar's values, as the window offers them and a scene file may hold them.
struct BarRange {
    const char* name;   // the bar's objectName, and its field in scene files
    std::int16_t first; // the value at the top (or left) end
    std::int16_t last;  // at the bottom (or right) end
    std::int16_t smallChange;
    std::int16_t largeChange;
    std::int16_t start; // at start-up

    constexpr std::int16_t low() const { return std::min(first, last); }
    constexpr std::int16_t high() const { return std::max(first, last); }
};

// The heights run from 99 at the top to -99 at the bottom; the blue point moves by one even on
// a page step.
inline constexpr BarRange thesiyRange{"thesiy", 99, -99, 1, 10, 0};
inline constexpr BarRange shmeioThesiRange{"shmeio_thesi", 99, -99, 1, 1, 0};
inline constexpr BarRange xronosmetatoRange{"xronosmetato", 5, 100, 1, 5, 5};
inline constexpr BarRange arithmosaktinonRange{"arithmosaktinon", 2, 100, 1, 10, 10};

} // namespace geometry
