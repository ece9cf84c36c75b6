// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include "surface/caption_layout.h"

#include <cstdint>
#include <vector>

class QPainter;

namespace surface {

// A push button whose caption breaks into lines within its own width, shrunk (down to 60 %)
// rather than clipped when it would not fit.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    WrapButton(const QString& caption, QWidget* parent);
    // The caption as drawn, at most at `scale` of the button's font.
    CaptionLayout captionLayout(double scale) const;
    // The caption as drawn, at most at the scale the button shares with its neighbours.
    CaptionLayout captionLayout() const { return captionLayout(sharedScale_); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend void shareCaptionSize(const std::vector<WrapButton*>& buttons);
    double sharedScale_ = 1;
};

// Draws the buttons' captions at one size, the largest at which each of them fits, so that a
// long caption does not stand smaller than its neighbours.
void shareCaptionSize(const std::vector<WrapButton*>& buttons);

// A label that shows the picture under it: it paints no background, only its text, broken
// into lines between quantities and shrunk (down to 45 %) rather than clipped. text() stays
// the text it was given.
class Caption : public QLabel {
    Q_OBJECT
public:
    Caption(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A scroll bar with a 16-bit Value between a minimum at the top (or left) end and a
// maximum at the other. A minimum above the maximum is shown by negating the value,
// so the arrows, the trough, the keys and the wheel still move the way they look.
class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ScrollBar(Qt::Orientation orientation, std::int16_t min, std::int16_t max,
              std::int16_t smallChange, std::int16_t largeChange, std::int16_t value,
              QWidget* parent);
    std::int16_t Value() const;
    void setValue(std::int16_t value);
    // The Value the bar has with its thumb at a position of Qt's range.
    std::int16_t valueAt(int position) const;

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool negated_;
};

// A filled circle standing on the window, above the other controls. Its place is kept as
// 32-bit floats in the window's frame, read back exactly as stored. It stands 3 pixels
// larger than its disc on every side, and passes the mouse on to the window, so that a press
// on it never reaches a control beneath it. With the focus, the arrow keys nudge it: one
// unit, ten with Shift.
class Shape : public QWidget {
    Q_OBJECT
public:
    static constexpr int grabMargin = 3; // pixels around the disc that still take a press

    Shape(QColor fill, QWidget* parent);
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setGeometryInFrame(float left, float top, float width, float height);
    // Paints the disc as the window shows it, without the focus ring, with the painter at the
    // shape's top-left corner.
    void paintDisc(QPainter& p) const;
    // Moves the centre to (x, y), keeping the size.
    void moveCentreTo(double x, double y);
    float centreX() const;
    float centreY() const;

signals:
    void moved();
    // An arrow key asked to move the centre by (dx, dy) scene units.
    void nudged(double dx, double dy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor fill_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

} // namespace surface
