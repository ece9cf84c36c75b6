// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Kovril;

namespace scene {

// The «☰» button and its menu: clear, full screen and quit. Their shortcuts work without
// opening the menu; Esc leaves full screen.
void makeMenu(Kovril& w);

// Puts the menu button in the window's bottom-right corner, which every layout leaves free.
void placeMenuButton(Kovril& w);

} // namespace scene
