// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/controls.h"

#include "surface/accessible.h"
#include "surface/caption_layout.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace surface {

namespace {

// The style marks keyboard focus faintly on buttons and not at all on scroll bars; a frame in
// the highlight colour shows plainly where the focus is, once the keyboard has moved it.
void paintKeyboardFocus(QWidget& widget) {
    if (!widget.hasFocus() || !widget.window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter p(&widget);
    p.setPen(QPen(widget.palette().color(QPalette::Highlight), 2));
    p.drawRect(QRectF(widget.rect()).adjusted(1, 1, -1, -1));
}

// Where a button's caption stands: within the style's contents, a little in from the sides.
QRect captionArea(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    return button.style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, &button)
        .adjusted(4, 0, -4, 0);
}

} // namespace

WrapButton::WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAccessibleName(caption);
}

CaptionLayout WrapButton::captionLayout(double scale) const {
    QFont largest = font();
    largest.setPointSizeF(font().pointSizeF() * scale);
    return layOutCaption(text(), largest, captionArea(*this).size(), CaptionBreaks::BetweenWords);
}

void shareCaptionSize(const std::vector<WrapButton*>& buttons) {
    double shared = 1;
    for (const WrapButton* button : buttons)
        shared = std::min(shared,
                          button->captionLayout(1).font.pointSizeF() / button->font().pointSizeF());
    for (WrapButton* button : buttons) {
        button->sharedScale_ = shared;
        button->update();
    }
}

void WrapButton::paintEvent(QPaintEvent*) {
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        // The style would draw the caption on one line, clipped; it is drawn below, wrapped.
        option.text.clear();
        p.drawControl(QStyle::CE_PushButton, option);
        const CaptionLayout layout = captionLayout();
        p.setFont(layout.font);
        p.drawItemText(captionArea(*this), Qt::AlignCenter, palette(), isEnabled(),
                       layout.lines.join('\n'), QPalette::ButtonText);
    }
    paintKeyboardFocus(*this);
}

Caption::Caption(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void Caption::paintEvent(QPaintEvent*) {
    const QRect area = contentsRect();
    const CaptionLayout layout = layOutCaption(text(), font(), area.size(),
                                               CaptionBreaks::BetweenQuantities, leastLabelScale);
    QPainter p(this);
    p.setFont(layout.font);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(area, int(alignment()), layout.lines.join('\n'));
}

ScrollBar::ScrollBar(Qt::Orientation orientation, std::int16_t min, std::int16_t max,
                     std::int16_t smallChange, std::int16_t largeChange, std::int16_t value,
                     QWidget* parent)
    : QScrollBar(orientation, parent), negated_(min > max) {
    if (negated_)
        setRange(-min, -max);
    else
        setRange(min, max);
    setSingleStep(smallChange);
    setPageStep(largeChange);
    setValue(value);
    connect(this, &QScrollBar::valueChanged, this, &ScrollBar::Change);
    installScrollBarAccessibility();
}

std::int16_t ScrollBar::Value() const {
    return valueAt(value());
}

std::int16_t ScrollBar::valueAt(int position) const {
    return std::int16_t(negated_ ? -position : position);
}

void ScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    paintKeyboardFocus(*this);
}

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    // Qt's scroll bar swaps its arrow keys so that Up moves a vertical thumb up, which sends a
    // horizontal thumb the wrong way under Left and Right: those two follow the arrow here.
    const bool left = event->key() == Qt::Key_Left;
    if (orientation() == Qt::Horizontal && (left || event->key() == Qt::Key_Right)) {
        const bool towardsMaximum = left == isRightToLeft();
        triggerAction(towardsMaximum ? SliderSingleStepAdd : SliderSingleStepSub);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

void ScrollBar::setValue(std::int16_t v) {
    QScrollBar::setValue(negated_ ? -v : v);
}

Shape::Shape(QColor fill, QWidget* parent) : QWidget(parent), fill_(fill) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void Shape::setGeometryInFrame(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    emit moved();
}

void Shape::moveCentreTo(double x, double y) {
    setGeometryInFrame(float(x - width_ / 2.0), float(y + height_ / 2.0), width_, height_);
}

float Shape::centreX() const {
    return float(double(left_) + double(width_) / 2.0);
}

float Shape::centreY() const {
    return float(double(top_) - double(height_) / 2.0);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (hasFocus()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    paintDisc(p);
}

void Shape::paintDisc(QPainter& p) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(grabMargin, grabMargin, -grabMargin, -grabMargin);
    p.setPen(Qt::black);
    p.setBrush(fill_);
    p.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void Shape::keyPressEvent(QKeyEvent* event) {
    const double step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        emit nudged(-step, 0);
        return;
    case Qt::Key_Right:
        emit nudged(step, 0);
        return;
    case Qt::Key_Up:
        emit nudged(0, step);
        return;
    case Qt::Key_Down:
        emit nudged(0, -step);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace surface
