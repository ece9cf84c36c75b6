// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/measuring.h"

#include "geometry/snap_points.h"
#include "scene/frame.h"
#include "scene/kovril.h"
#include "surface/format.h"
#include "surface/measuring_drawing.h"
#include "surface/picture_inks.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

constexpr double snapPixels = 8; // a few pixels: the ends land on a point without hunting

using geometry::ToolEnd;

QString endName(ToolEnd end) {
    switch (end) {
    case ToolEnd::RulerFrom:
        return QCoreApplication::translate("Accessibility", "Πρώτη άκρη του χάρακα");
    case ToolEnd::RulerTo:
        return QCoreApplication::translate("Accessibility", "Δεύτερη άκρη του χάρακα");
    case ToolEnd::Vertex:
        return QCoreApplication::translate("Accessibility", "Κορυφή του μοιρογνωμονίου");
    case ToolEnd::FirstArm:
        return QCoreApplication::translate("Accessibility", "Πρώτο σκέλος του μοιρογνωμονίου");
    case ToolEnd::SecondArm:
        return QCoreApplication::translate("Accessibility", "Δεύτερο σκέλος του μοιρογνωμονίου");
    }
    return {};
}

QLabel* makeReading(Kovril& w, const char* name, const QString& description) {
    auto* label = new QLabel(&w);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleDescription(description);
    // The markers stand above every control.
    label->stackUnder(w.controls().shmeio);
    label->hide();
    return label;
}

} // namespace

MeasuringControls::MeasuringControls(Kovril& w) : QObject(&w), w_(w) {
    WindowControls& ui = w.controls();
    QMenu* menu = ui.menuButton->menu();
    const auto makeAction = [&](const char* name, const QString& text, bool ruler) {
        auto* action = new QAction(text, menu);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        menu->insertAction(ui.actionHelp, action);
        connect(action, &QAction::triggered, this, [this, ruler](bool on) { toggle(ruler, on); });
        return action;
    };
    ui.actionRuler =
        makeAction("actionRuler", QCoreApplication::translate("Menu", "Χάρακας"), true);
    ui.actionProtractor =
        makeAction("actionProtractor", QCoreApplication::translate("Menu", "Μοιρογνωμόνιο"), false);

    QWidget* previous = ui.kyklos;
    for (std::size_t i = 0; i < ends_.size(); ++i) {
        const ToolEnd end = geometry::toolEnds[i];
        // A ring: the point an end stands on stays in sight through it.
        auto* shape = new surface::Shape(QColor(255, 255, 255, 0), &w);
        shape->setObjectName(QStringLiteral("toolEnd%1").arg(i + 1));
        shape->setAccessibleName(endName(end));
        shape->setFocusPolicy(Qt::StrongFocus);
        shape->installEventFilter(this);
        shape->hide();
        connect(shape, &surface::Shape::nudged, this,
                [this, end](double dx, double dy) { nudge(end, dx, dy); });
        // After the source, before the scroll bars.
        QWidget::setTabOrder(previous, shape);
        previous = shape;
        ends_[i] = shape;
    }
    rulerLength_ = makeReading(w, "rulerLength",
                               QCoreApplication::translate("Accessibility", "Μήκος του χάρακα"));
    protractorAngle_ =
        makeReading(w, "protractorAngle",
                    QCoreApplication::translate("Accessibility", "Γωνία του μοιρογνωμονίου"));
}

double MeasuringControls::tolerance() const {
    const surface::Surface& s = w_.surface();
    return snapPixels / std::abs(s.toPaint(1, 0).x() - s.toPaint(0, 0).x());
}

void MeasuringControls::toggle(bool ruler, bool on) {
    geometry::MeasuringTools tools = w_.state().tools;
    if (ruler) {
        tools.ruler.reset();
        if (on)
            tools.ruler = geometry::Ruler{insideFrame(geometry::startRuler().from),
                                          insideFrame(geometry::startRuler().to)};
    } else {
        tools.protractor.reset();
        if (on) {
            geometry::Protractor p = geometry::startProtractor();
            for (geometry::Point* point : {&p.vertex, &p.arms[0], &p.arms[1]})
                *point = insideFrame(*point);
            tools.protractor = p;
        }
    }
    w_.showTools(tools);
    w_.afterStep();
}

void MeasuringControls::moveEnd(ToolEnd end, geometry::Point at) {
    w_.showTools(geometry::withEndAt(w_.state().tools, end, at));
}

void MeasuringControls::nudge(ToolEnd end, double dx, double dy) {
    const std::optional<geometry::Point> from = geometry::endPoint(w_.state().tools, end);
    if (!from)
        return;
    const geometry::Point to = insideFrame({from->x + dx, from->y + dy});
    moveEnd(end,
            geometry::snapStep(*from, to, geometry::pictureSnapPoints(w_.state()), tolerance()));
    w_.afterStep();
}

bool MeasuringControls::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(ends_.begin(), ends_.end(), watched);
    const QEvent::Type type = event->type();
    if (found == ends_.end() || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
                                 type != QEvent::MouseButtonRelease))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF pixel = (*found)->mapTo(&w_, mouse->position());
    if (type == QEvent::MouseButtonPress) {
        dragged_ = geometry::toolEnds[std::size_t(found - ends_.begin())];
        pressPixel_ = pixel;
        moved_ = false;
    } else if (type == QEvent::MouseMove && dragged_) {
        // The tremor of a click moves nothing.
        moved_ =
            moved_ || (pixel - pressPixel_).manhattanLength() >= QApplication::startDragDistance();
        if (moved_) {
            const QPointF at = w_.surface().fromPaint(pixel);
            moveEnd(*dragged_,
                    geometry::snapTo(insideFrame({at.x(), at.y()}),
                                     geometry::pictureSnapPoints(w_.state()), tolerance()));
        }
    } else if (type == QEvent::MouseButtonRelease && dragged_) {
        dragged_.reset();
        if (moved_)
            w_.afterStep();
    }
    return true;
}

void MeasuringControls::placeReading(QLabel& label, geometry::Point at, QPointF towards) {
    QFont font = label.font();
    font.setPointSizeF(surface::toolCaptionPoints(w_.height()));
    label.setFont(font);
    label.adjustSize();
    const QPointF pixel = w_.surface().toPaint(at.x, at.y);
    label.move(surface::captionTopLeft(pixel, towards, label.size()).toPoint());
    label.show();
}

void MeasuringControls::follow() {
    const geometry::MeasuringTools& tools = w_.state().tools;
    WindowControls& ui = w_.controls();
    for (auto [action, shown] : {std::pair{ui.actionRuler, tools.ruler.has_value()},
                                 std::pair{ui.actionProtractor, tools.protractor.has_value()}}) {
        const QSignalBlocker quiet(action);
        action->setChecked(shown);
    }
    const int size =
        int(std::ceil(std::max(w_.height() / 80.0, 10.0))) + 2 * surface::Shape::grabMargin;
    for (std::size_t i = 0; i < ends_.size(); ++i) {
        surface::Shape& shape = *ends_[i];
        const std::optional<geometry::Point> at = geometry::endPoint(tools, geometry::toolEnds[i]);
        if (!at) {
            shape.hide();
            continue;
        }
        const QPointF pixel = w_.surface().toPaint(at->x, at->y);
        shape.setGeometry(QRect(int(std::lround(pixel.x())) - size / 2,
                                int(std::lround(pixel.y())) - size / 2, size, size));
        shape.setAccessibleDescription(
            QCoreApplication::translate("Accessibility", "Θέση: x = %1, y = %2.")
                .arg(surface::Format(at->x, "0.00"), surface::Format(at->y, "0.00")));
        shape.show();
        shape.raise();
    }
    if (tools.ruler) {
        rulerLength_->setText(surface::rulerText(*tools.ruler));
        const surface::CaptionPlace place = surface::rulerCaptionPlace(*tools.ruler);
        placeReading(*rulerLength_, place.at, place.towards);
    } else {
        rulerLength_->clear();
        rulerLength_->hide();
    }
    if (tools.protractor) {
        protractorAngle_->setText(surface::protractorText(*tools.protractor));
        const surface::CaptionPlace place = surface::protractorCaptionPlace(*tools.protractor);
        placeReading(*protractorAngle_, place.at, place.towards);
    } else {
        protractorAngle_->clear();
        protractorAngle_->hide();
    }
}

void makeMeasuring(Kovril& w) {
    w.controls().measuring = new MeasuringControls(w);
}

void paintTools(QPainter& p, Kovril& w, bool withTexts) {
    const geometry::MeasuringTools& tools = w.state().tools;
    if (!tools.ruler && !tools.protractor)
        return;
    p.save();
    surface::Surface over(p, QSizeF(w.size()), 96);
    const surface::Surface& own = w.surface();
    over.Scale(own.ScaleLeft(), own.ScaleTop(), own.ScaleLeft() + own.ScaleWidth(),
               own.ScaleTop() + own.ScaleHeight());
    surface::drawMeasuringTools(over, tools,
                                withTexts ? std::optional(surface::toolCaptionPoints(w.height()))
                                          : std::nullopt);
    p.restore();
}

} // namespace scene

void Kovril::showTools(const geometry::MeasuringTools& tools) {
    state_.tools = tools;
    if (measuring)
        measuring->follow();
    update();
}
