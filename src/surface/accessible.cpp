// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/accessible.h"

#include "surface/controls.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <algorithm>

namespace surface {

namespace {

class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleScrollBar(ScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar), bar_(bar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return QString::number(bar_->Value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return int(bar_->Value()); }
    void setCurrentValue(const QVariant& value) override {
        bar_->setValue(std::int16_t(value.toInt()));
    }
    // The lowest and highest Value, whichever end of the bar holds them.
    QVariant maximumValue() const override {
        return int(std::max(bar_->valueAt(bar_->minimum()), bar_->valueAt(bar_->maximum())));
    }
    QVariant minimumValue() const override {
        return int(std::min(bar_->valueAt(bar_->minimum()), bar_->valueAt(bar_->maximum())));
    }
    QVariant minimumStepSize() const override { return bar_->singleStep(); }

private:
    ScrollBar* bar_;
};

QAccessibleInterface* accessibleScrollBar(const QString&, QObject* object) {
    if (auto* bar = qobject_cast<ScrollBar*>(object))
        return new AccessibleScrollBar(bar);
    return nullptr;
}

} // namespace

void installScrollBarAccessibility() {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(&accessibleScrollBar), true);
}

} // namespace surface
