// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Kovril;

// The window for the keyboard and for screen readers.
namespace scene {

// Every button and scroll bar is reached with Tab, worked from the keyboard and named in
// Greek.
void makeKeyboardAccessible(Kovril& w);
// The labels and markers told apart for a screen reader.
void describeForScreenReaders(Kovril& w);

} // namespace scene
