// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names the desktop and the settings know the program by.
namespace scene {

// Sets the organisation, application and desktop file names, and brings over the settings
// an earlier version wrote before it had an organisation. Call it before anything reads
// the settings.
void nameTheProgram();

} // namespace scene
