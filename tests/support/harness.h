// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/kovril.h"
#include "surface/surface.h"

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QStringList>

#include <vector>

namespace harness {

// Starts the program as main does, with message boxes recorded instead of shown.
Kovril& startProgram();

// The messages shown since the program was started.
const QStringList& messages();

// Everything the program handed the window's surface since the last clearRecord.
const std::vector<surface::DrawCall>& drawn();
void clearRecord();
// The recorded calls of one kind, in the order they were drawn.
std::vector<surface::DrawCall> drawnOfKind(surface::DrawCall::Kind kind);

// The colour of the retained image at a point of the scene.
QColor colourAt(double x, double y);
// The image pixel (in the image's own pixels) of a scene point.
QPoint imagePixel(double x, double y);
// The window's logical pixel of a scene point, for mouse events.
QPoint windowPixel(double x, double y);

// Mouse events through the window's QWindow, in scene coordinates.
void press(double x, double y);
void moveTo(double x, double y);
void release(double x, double y);

// A drag with the mouse in scene coordinates: press, two moves, release.
void drag(QPointF from, QPointF to);

// The window made normal and resized, laid out again at once.
void resizeTo(QSize size);

// What an area of the screen (global coordinates) hides of the window: the names of the
// markers, the buttons and the labels with a text it covers, and "lens".
QStringList coveredBy(const QRect& area);

// Everything a student sees of the window: the picture, and as texts the labels, the scroll
// bars' values and the markers' centres.
struct Seen {
    QImage picture;
    QStringList texts;

    bool operator==(const Seen&) const = default;
};
Seen seen();

// The texts of the window's seven labels, Label1 first.
QStringList labelTexts();

// Sets a scroll bar the way a student's drag would, raising its change handler.
void setScroll(surface::ScrollBar& bar, int value);

} // namespace harness
