// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a construction asks the program to tell the student; the window decides how.
namespace geometry {

enum class Message {
    NotFound,  // a least-time search gave up
    AboveAxis, // the continued single ray climbs above the axis
};

} // namespace geometry
