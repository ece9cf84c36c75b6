// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/object_arrow.h"
#include "surface/surface.h"

#include <QLabel>
#include <QObject>
#include <QPointF>
#include <QWidget>

#include <vector>

class Kovril;

// The object on the window: the picture of it and its images over the retained picture, the
// handle a user drags or moves with the keys, and the labels with the numbers.
namespace scene {

// Draws the object's picture over the window's, with the window's frame, at every paint.
class ObjectView : public QWidget {
public:
    explicit ObjectView(Kovril& window);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kovril& window_;
};

// The object's arrow as a control: a press near the tip takes the tip (the height), elsewhere
// on the arrow the foot (the place on the axis); arrows move it, Shift+arrows ten times as far.
class ObjectHandle : public QWidget {
public:
    explicit ObjectHandle(Kovril& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Part { None, Foot, Tip };
    geometry::ObjectArrow dragged(QPointF windowPixel) const;

    Kovril& window_;
    Part part_ = Part::None;
    bool moved_ = false;
};

class ObjectControls : public QObject {
public:
    explicit ObjectControls(Kovril& window);

    // Shows the scene's object, its images and numbers, or hides them when it has none.
    void follow();
    const std::vector<QLabel*>& labels() const { return labels_; }
    ObjectHandle& handle() { return *handle_; }

private:
    void placeHandle(const geometry::ObjectArrow& object);
    void placeLabels();

    Kovril& window_;
    ObjectView* view_;
    ObjectHandle* handle_;
    std::vector<QLabel*> labels_;
};

// Draws the scene's object and its images, if it has one, on a surface with the window's frame.
void drawObjectOver(surface::Surface& s, Kovril& window);

// Creates the object's controls and its menu entry's handler, once the window has its menu.
void makeObjectControls(Kovril& window);

// Where the object stands when the menu shows it: its usual place, or inside a narrow frame.
geometry::ObjectArrow defaultObject();

} // namespace scene
