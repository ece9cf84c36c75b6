// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/kovril.h"

#include <QMouseEvent>

namespace {

// The codes the mouse handlers receive: left 1, right 2, middle 4; shift 1, ctrl 2, alt 4.
int buttonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

bool Kovril::onMarker(const surface::Shape& marker, float x, float y) const {
    const double margin = surface::Shape::grabMargin;
    return markerDisc(marker)
        .adjusted(-margin, -margin, margin, margin)
        .contains(surface_->toPaint(x, y));
}

// Each event reaches its handler in scene units. A press on a marker arrives here too: the
// markers pass the mouse on to the window. Only a release after a real drag draws; a press
// or a move at most moves a marker, which repaints itself.
void Kovril::mousePressEvent(QMouseEvent* event) {
    pressPixel_ = event->position();
    const QPointF at = surface().fromPaint(event->position());
    Form_MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()),
                   float(at.y()));
}

void Kovril::mouseMoveEvent(QMouseEvent* event) {
    movePixel_ = event->position();
    const QPointF at = surface().fromPaint(event->position());
    Form_MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(at.x()),
                   float(at.y()));
}

void Kovril::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = surface().fromPaint(event->position());
    Form_MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()),
                 float(at.y()));
    afterStep();
}
