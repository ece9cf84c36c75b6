// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/measuring_tools.h"

#include <QObject>
#include <QPointF>

#include <array>
#include <optional>

class Kovril;
class QLabel;
class QPainter;
namespace surface {
class Shape;
}

namespace scene {

// The ruler and the protractor on the window: their menu entries, the ends the mouse drags
// and the keys move (reached with Tab after the source), and their readings in labels beside
// them. Every move of an end is one step of the lesson.
class MeasuringControls : public QObject {
public:
    explicit MeasuringControls(Kovril& w);
    // The ends, the readings and the menu entries show the scene's tools.
    void follow();
    // The snapping distance: a few pixels of the window, in scene units.
    double tolerance() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toggle(bool ruler, bool on);
    void moveEnd(geometry::ToolEnd end, geometry::Point at);
    void nudge(geometry::ToolEnd end, double dx, double dy);
    void placeReading(QLabel& label, geometry::Point at, QPointF towards);

    Kovril& w_;
    std::array<surface::Shape*, geometry::toolEnds.size()> ends_{};
    QLabel* rulerLength_;
    QLabel* protractorAngle_;
    std::optional<geometry::ToolEnd> dragged_;
    QPointF pressPixel_;
    bool moved_ = false;
};

// Creates the tools' controls on the window, hidden until the menu shows a tool.
void makeMeasuring(Kovril& w);

// The tools shown over the picture a painter has just drawn, in the window's frame and
// logical pixels; with their readings for saved pictures.
void paintTools(QPainter& p, Kovril& w, bool withTexts);

} // namespace scene
