#include "surface/controls.h"

#include <QPainter>

namespace surface {

WrapButton::WrapButton(const QString& caption, QWidget* parent)
    : QPushButton(parent), text_(new QLabel(caption, this)) {
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignCenter);
    text_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(caption);
}

void WrapButton::setCaption(const QString& caption) {
    text_->setText(caption);
}

QString WrapButton::caption() const {
    return text_->text();
}

void WrapButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    text_->setGeometry(rect().adjusted(4, 2, -4, -2));
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
}

std::int16_t ScrollBar::Value() const {
    return std::int16_t(negated_ ? -value() : value());
}

void ScrollBar::setValue(std::int16_t v) {
    QScrollBar::setValue(negated_ ? -v : v);
}

Shape::Shape(QColor fill, QWidget* parent) : QWidget(parent), fill_(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
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
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(fill_);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace surface
