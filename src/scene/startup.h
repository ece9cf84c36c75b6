#pragma once

// The program's entry point: creates the window, fills the screen with it, sets the
// scene frame and state, lays out the controls and draws the first picture.
void startUp();
