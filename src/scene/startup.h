#pragma once

// How the window starts: maximized with its title bar, or in full screen for a projector.
struct StartOptions {
    bool fullScreen = false;
};

// The program's entry point: creates the window, gives it the screen, sets the scene frame
// and state, lays out the controls and draws the first picture.
void startUp(const StartOptions& options = {});
