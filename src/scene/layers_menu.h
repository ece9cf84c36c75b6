// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Kovril;
class QMenu;

namespace scene {

// The submenu «Εμφάνιση»: one checkable entry for each layer of the picture.
void makeLayersMenu(Kovril& w, QMenu& menu);

} // namespace scene
