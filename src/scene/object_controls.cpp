// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/object_controls.h"

#include "geometry/state.h"
#include "image/object_scene.h"
#include "scene/kovril.h"
#include "scene/object_numbers.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

// Pixels around the arrow that still take a press, and around the tip that take the tip.
constexpr int handleMargin = 10;
constexpr double tipReach = 12;

QPointF pixelOf(Kovril& w, geometry::Point p) {
    return w.surface().toPaint(p.x, p.y);
}

} // namespace

ObjectView::ObjectView(Kovril& window) : QWidget(&window), window_(window) {
    setObjectName(QStringLiteral("objectView"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ObjectView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    surface::Surface s(p, QSizeF(size()), 96, Qt::transparent);
    drawObjectOver(s, window_);
}

void drawObjectOver(surface::Surface& s, Kovril& window) {
    const geometry::SceneState& scene = window.state();
    if (!scene.object)
        return;
    const surface::Surface& own = window.surface();
    s.Scale(own.ScaleLeft(), own.ScaleTop(), own.ScaleLeft() + own.ScaleWidth(),
            own.ScaleTop() + own.ScaleHeight());
    image::drawObjectScene(s, scene.lens, *scene.object, scene.arithmosaktinon, scene.layers);
}

ObjectHandle::ObjectHandle(Kovril& window) : QWidget(&window), window_(window) {
    setObjectName(QStringLiteral("objectHandle"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::SizeAllCursor);
    setAccessibleName(QCoreApplication::translate("Accessibility", "Αντικείμενο"));
    setAccessibleDescription(QCoreApplication::translate(
        "Accessibility", "Βέλος πάνω στον άξονα. Τα βέλη αριστερά και δεξιά το μετακινούν, πάνω "
                         "και κάτω αλλάζουν το ύψος του· με Shift δέκα φορές περισσότερο."));
}

void ObjectHandle::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ObjectHandle::keyPressEvent(QKeyEvent* event) {
    const std::optional<geometry::ObjectArrow> object = window_.state().object;
    if (!object)
        return QWidget::keyPressEvent(event);
    const double step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    geometry::ObjectArrow moved = *object;
    switch (event->key()) {
    case Qt::Key_Left:
        moved.x -= step;
        break;
    case Qt::Key_Right:
        moved.x += step;
        break;
    case Qt::Key_Up:
        moved.height += step;
        break;
    case Qt::Key_Down:
        moved.height -= step;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    window_.object_Change(moved, true);
}

geometry::ObjectArrow ObjectHandle::dragged(QPointF windowPixel) const {
    const QPointF at = window_.surface().fromPaint(windowPixel);
    geometry::ObjectArrow object = *window_.state().object;
    if (part_ == Part::Tip)
        object.height = at.y();
    else
        object.x = at.x();
    return object;
}

void ObjectHandle::mousePressEvent(QMouseEvent* event) {
    const std::optional<geometry::ObjectArrow> object = window_.state().object;
    if (!object || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPointF tip = pixelOf(window_, {object->x, object->height});
    const QPointF at = mapTo(&window_, event->position());
    part_ = std::hypot(at.x() - tip.x(), at.y() - tip.y()) <= tipReach ? Part::Tip : Part::Foot;
    moved_ = false;
    setFocus(Qt::MouseFocusReason);
}

void ObjectHandle::mouseMoveEvent(QMouseEvent* event) {
    if (part_ == Part::None)
        return;
    moved_ = true;
    window_.object_Change(dragged(mapTo(&window_, event->position())), false);
}

void ObjectHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (part_ == Part::None)
        return;
    if (moved_)
        window_.object_Change(dragged(mapTo(&window_, event->position())), true);
    part_ = Part::None;
}

ObjectControls::ObjectControls(Kovril& window)
    : QObject(&window), window_(window), view_(new ObjectView(window)),
      handle_(new ObjectHandle(window)) {
    for (const QString& name : objectNumberNames()) {
        auto* label = new QLabel(&window);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->hide();
        labels_.push_back(label);
    }
    // The markers stay above the labels and the handle, the picture of the object under
    // every control.
    const QObjectList& children = window.children();
    QWidget* lowerMarker =
        children.indexOf(window.controls().kyklos) < children.indexOf(window.controls().shmeio)
            ? static_cast<QWidget*>(window.controls().kyklos)
            : static_cast<QWidget*>(window.controls().shmeio);
    for (QLabel* label : labels_)
        label->stackUnder(lowerMarker);
    handle_->stackUnder(lowerMarker);
    view_->lower();
    view_->hide();
    handle_->hide();
}

void ObjectControls::follow() {
    const geometry::SceneState& scene = window_.state();
    window_.controls().actionObject->setChecked(bool(scene.object));
    view_->setVisible(bool(scene.object));
    handle_->setVisible(bool(scene.object));
    if (!scene.object) {
        for (QLabel* label : labels_) {
            label->clear();
            label->hide();
        }
        return;
    }
    view_->setGeometry(window_.rect());
    view_->update();
    placeHandle(*scene.object);
    const auto numbers = objectNumbers(scene.lens, *scene.object, scene.arithmosaktinon);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(numbers[i].second);
        labels_[i]->setAccessibleName(numbers[i].second);
        labels_[i]->setVisible(!numbers[i].second.isEmpty());
    }
    placeLabels();
}

void ObjectControls::placeHandle(const geometry::ObjectArrow& object) {
    const QPointF foot = pixelOf(window_, {object.x, 0});
    const QPointF tip = pixelOf(window_, {object.x, object.height});
    const QRectF arrow = QRectF(foot, tip).normalized();
    handle_->setGeometry(
        arrow.toAlignedRect().adjusted(-handleMargin, -handleMargin, handleMargin, handleMargin));
    handle_->update();
}

// Below the axis on the right, clear of the lens, the buttons, the yellow point's bar and the
// menu button; the picture shows through.
void ObjectControls::placeLabels() {
    const double u = geometry::widthFrac;
    const double v = geometry::heightFrac;
    QLabel& first = *labels_.front();
    window_.placeInFrame(first, 120 * u, -120 * v, 320 * u, 300 * v);
    const QRect block = first.geometry();
    const int rowHeight = block.height() / int(labels_.size());
    QFont font = first.font();
    font.setPointSizeF(std::clamp(window_.height() / 768.0, 1.0, 2.0) * 10);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setGeometry(block.left(), block.top() + int(i) * rowHeight, block.width(),
                                rowHeight);
        labels_[i]->setFont(font);
    }
}

void makeObjectControls(Kovril& window) {
    WindowControls& ui = window.controls();
    ui.objectControls = new ObjectControls(window);
    QWidget::setTabOrder(ui.kyklos, &ui.objectControls->handle());
    ui.actionObject->setCheckable(true);
    QObject::connect(ui.actionObject, &QAction::triggered, &window, [&window](bool shown) {
        window.object_Change(shown ? std::optional(defaultObject()) : std::nullopt, true);
    });
}

geometry::ObjectArrow defaultObject() {
    geometry::ObjectArrow object;
    object.x = std::max(object.x, -0.9 * double(geometry::halfWidth));
    return object;
}

} // namespace scene
