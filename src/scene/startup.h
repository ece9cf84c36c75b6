// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the window starts: maximized with its title bar, or in full screen for a projector.
struct StartOptions {
    bool fullScreen = false;
    QString language; // "el" or "en"; empty: the system's first interface language decides
};

// The program's entry point: creates the window, gives it the screen, sets the scene frame
// and state, lays out the controls and draws the first picture.
void startUp(const StartOptions& options = {});
