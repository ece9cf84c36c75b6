// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/event_sequence.h"

#include "geometry/state.h"
#include "scene/kovril.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QKeySequence>
#include <QTest>

namespace events {

namespace {

struct Choice {
    const char* name;
    int weight;
};

// The buttons and how often each is clicked, against one another.
const Choice buttons[] = {
    {"Command1", 3}, {"Command2", 2}, {"Command3", 2},
    {"Command4", 3}, {"Command5", 3}, {"Command6", 1},
};

const char* const bars[] = {"thesiy", "shmeio_thesi", "arithmosaktinon", "xronosmetato"};

const Qt::Key barKeys[] = {Qt::Key_Home, Qt::Key_End,  Qt::Key_PageUp, Qt::Key_PageDown,
                           Qt::Key_Up,   Qt::Key_Down, Qt::Key_Left,   Qt::Key_Right};

// The focal points of the thin lens (R/2) and of the thick lens, where a source sends its
// image to infinity.
constexpr double thinFocus = 90;
constexpr double thickFocus = 101.087;

// How far beyond the window's edges a drag may wander, in half extents.
constexpr double reach = 3;

surface::ScrollBar& bar(const QString& name) {
    return *scene::form().findChild<surface::ScrollBar*>(name);
}

// The window pixel of a scene point. QTest takes the pixel (0, 0) for "no position" and
// sends the middle of the window instead, so its neighbour below stands in for it.
QPoint pixelOf(QPointF p) {
    const QPoint pixel = harness::windowPixel(p.x(), p.y());
    return pixel.isNull() ? QPoint(0, 1) : pixel;
}

QtMessageHandler& nextHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

void dropOutsideWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.contains(QLatin1String("occurs outside target window")))
        return;
    nextHandler()(type, context, text);
}

QString point(QPointF p) {
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 3).arg(p.y(), 0, 'f', 3);
}

} // namespace

QString Event::describe() const {
    switch (kind) {
    case Kind::Key:
        return QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), control);
    case Kind::BarClick:
        return QStringLiteral("click on %1 at its pixel (%2, %3)")
            .arg(control)
            .arg(pixel.x())
            .arg(pixel.y());
    case Kind::Slide:
        return QStringLiteral("thumb of %1 to Value %2")
            .arg(control)
            .arg(bar(control).valueAt(position));
    case Kind::Click:
        return QStringLiteral("click %1").arg(control);
    case Kind::Drag: {
        QStringList moves;
        for (std::size_t i = 1; i + 1 < path.size(); ++i)
            moves << point(path[i]);
        return QStringLiteral("drag %1: press %2, moves %3, release %4 (%5)")
            .arg(control, point(path.front()), moves.join(QLatin1Char(' ')), point(path.back()),
                 aim);
    }
    }
    return {};
}

Event Generator::next() {
    const int roll = below(100);
    if (roll < 15)
        return key();
    if (roll < 25)
        return barClick();
    if (roll < 35)
        return slide();
    if (roll < 65)
        return click();
    return drag();
}

Event Generator::key() {
    Event e;
    e.kind = Event::Kind::Key;
    e.control = anyBar();
    e.key = barKeys[below(int(std::size(barKeys)))];
    return e;
}

// Anywhere on the bar, with its two arrows as likely as all the rest.
Event Generator::barClick() {
    Event e;
    e.kind = Event::Kind::BarClick;
    e.control = anyBar();
    const QSize size = bar(e.control).size();
    const bool vertical = bar(e.control).orientation() == Qt::Vertical;
    const int length = vertical ? size.height() : size.width();
    const int thickness = vertical ? size.width() : size.height();
    const int arrow = std::min(thickness, length / 2);
    int along = below(length);
    const int zone = below(3);
    if (zone == 0)
        along = below(arrow);
    else if (zone == 1)
        along = length - 1 - below(arrow);
    const int across = below(std::max(1, thickness));
    e.pixel = vertical ? QPoint(across, along) : QPoint(along, across);
    return e;
}

// The thumb to either end, next to an end, or anywhere between.
Event Generator::slide() {
    Event e;
    e.kind = Event::Kind::Slide;
    e.control = anyBar();
    const surface::ScrollBar& b = bar(e.control);
    const int zone = below(10);
    if (zone < 2)
        e.position = b.minimum();
    else if (zone < 4)
        e.position = b.maximum();
    else if (zone == 4)
        e.position = b.minimum() + 1;
    else if (zone == 5)
        e.position = b.maximum() - 1;
    else
        e.position = b.minimum() + below(b.maximum() - b.minimum() + 1);
    return e;
}

Event Generator::click() {
    int total = 0;
    for (const Choice& c : buttons)
        total += c.weight;
    int pick = below(total);
    Event e;
    e.kind = Event::Kind::Click;
    for (const Choice& c : buttons) {
        if (pick < c.weight) {
            e.control = QLatin1String(c.name);
            break;
        }
        pick -= c.weight;
    }
    return e;
}

// A press on a marker (now and then off both), a few moves anywhere, and a drop.
Event Generator::drag() {
    const Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    Event e;
    e.kind = Event::Kind::Drag;
    const surface::Shape& marker = chance(0.5) ? *ui.kyklos : *ui.shmeio;
    e.control = marker.objectName();
    const double hw = geometry::halfWidth;
    const double hh = geometry::halfHeight;
    if (chance(0.9))
        e.path.push_back({marker.centreX(), marker.centreY()});
    else
        e.path.push_back({between(-hw, hw), between(-hh, hh)});
    for (int moves = below(4); moves > 0; --moves)
        e.path.push_back({between(-reach * hw, reach * hw), between(-reach * hh, reach * hh)});
    e.path.push_back(dropPoint(e.aim));
    return e;
}

QPointF Generator::dropPoint(QString& aim) {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    const double hw = geometry::halfWidth;
    const double hh = geometry::halfHeight;
    const double side = chance(0.5) ? 1 : -1;
    auto anyHeight = [&] { return chance(1.0 / 3) ? 0.0 : between(-hh, hh); };
    switch (below(10)) {
    case 0:
        aim = QStringLiteral("inside the window");
        return {between(-hw, hw), between(-hh, hh)};
    case 1: {
        aim = QStringLiteral("outside the window");
        const double x = between(-reach * hw, reach * hw);
        const double y = between(-reach * hh, reach * hh);
        return chance(0.5) ? QPointF(side * between(hw, reach * hw), y)
                           : QPointF(x, side * between(hh, reach * hh));
    }
    case 2:
        aim = QStringLiteral("x = 0");
        return {0, anyHeight()};
    case 3:
        aim = QStringLiteral("the axis");
        return {between(-hw, hw), 0};
    case 4:
        aim = QStringLiteral("x = ±90");
        return {side * thinFocus, anyHeight()};
    case 5:
        aim = QStringLiteral("x = ±101.087");
        return {side * thickFocus, anyHeight()};
    case 6: {
        aim = QStringLiteral("inside the lens");
        const double c = geometry::curveCentreX;
        const double r = geometry::curveRadius;
        for (;;) {
            const QPointF p(between(c - r, r - c),
                            between(-geometry::lensHalfHeight, geometry::lensHalfHeight));
            if ((p.x() - c) * (p.x() - c) + p.y() * p.y() < r * r &&
                (p.x() + c) * (p.x() + c) + p.y() * p.y() < r * r)
                return p;
        }
    }
    case 7: {
        aim = QStringLiteral("onto the other marker");
        const surface::Shape& other = chance(0.5) ? *ui.kyklos : *ui.shmeio;
        return {other.centreX(), other.centreY()};
    }
    case 8: {
        aim = QStringLiteral("a corner of the window");
        const double vertical = chance(0.5) ? 1 : -1;
        if (chance(0.5))
            return {side * hw, vertical * hh};
        // The corner pixel itself, which lies just inside.
        const QSize size = w.size();
        const QPointF pixel(side > 0 ? size.width() - 1 : 0, vertical > 0 ? 0 : size.height() - 1);
        return w.surface().fromPaint(pixel);
    }
    default: {
        aim = QStringLiteral("a point of the lens");
        const double c = geometry::curveCentreX;
        const double r = geometry::curveRadius;
        const QPointF places[] = {
            {c - r, 0}, {r - c, 0}, {0, geometry::lensHalfHeight}, {0, -geometry::lensHalfHeight},
            {c, 0},     {-c, 0}};
        return places[below(int(std::size(places)))];
    }
    }
}

QString Generator::anyBar() {
    return QLatin1String(bars[below(int(std::size(bars)))]);
}

int Generator::below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random_);
}

double Generator::between(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
}

bool Generator::chance(double p) {
    return std::bernoulli_distribution(p)(random_);
}

void send(const Event& e) {
    Kovril& w = scene::form();
    switch (e.kind) {
    case Event::Kind::Key:
        bar(e.control).setFocus();
        QTest::keyClick(w.windowHandle(), Qt::Key(e.key));
        return;
    case Event::Kind::BarClick:
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, bar(e.control).mapTo(&w, e.pixel));
        return;
    case Event::Kind::Slide: {
        surface::ScrollBar& b = bar(e.control);
        b.setSliderDown(true);
        b.setSliderPosition(e.position);
        b.setSliderDown(false);
        return;
    }
    case Event::Kind::Click:
        QTest::mouseClick(w.findChild<QWidget*>(e.control), Qt::LeftButton);
        return;
    case Event::Kind::Drag:
        QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, pixelOf(e.path.front()));
        for (std::size_t i = 1; i < e.path.size(); ++i)
            QTest::mouseMove(w.windowHandle(), pixelOf(e.path[i]));
        QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, pixelOf(e.path.back()));
        return;
    }
}

void silenceOutsideWarnings() {
    if (!nextHandler())
        nextHandler() = qInstallMessageHandler(dropOutsideWarnings);
}

} // namespace events
