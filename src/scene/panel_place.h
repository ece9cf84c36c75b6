// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class Kovril;
class QWidget;

namespace scene {

// A panel's size on a screen with this available area: its least size on small screens,
// growing with large ones to `share` of the screen's width, in the least size's proportions.
QSize panelSize(QSize least, double share, const QRect& available);
// Where a panel of this size covers least of what the window shows (the lens, the markers, the
// controls and the labels with a text, and another panel that is open): beside the window when
// the screen has room, else in the window's emptiest corner, or, for a small panel, over the
// picture right of the lens, clear of the yellow point's bar and the menu. In global
// coordinates.
QRect panelPlace(Kovril& w, QSize panel, const QWidget* otherPanel, bool besideLens = false);

} // namespace scene
