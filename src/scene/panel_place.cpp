// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/panel_place.h"

#include "geometry/state.h"
#include "scene/kovril.h"

#include <QLabel>
#include <QScreen>
#include <QToolButton>

#include <vector>

#include <algorithm>

namespace scene {

namespace {

constexpr int titleRoom = 32;   // the panel's own title bar above its area
constexpr int besideMargin = 8; // room for the panel's frame

struct Busy {
    QRect area; // global
    int weight;
};

long long overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : (long long)both.width() * both.height();
}

QRect globalArea(const QWidget& control) {
    return QRect(control.mapToGlobal(QPoint(0, 0)), control.size());
}

// What the window shows that a panel should leave free; the lens and the markers weigh most.
std::vector<Busy> busyAreas(Kovril& w, const QWidget* otherPanel) {
    WindowControls& ui = w.controls();
    std::vector<Busy> busy;
    const QWidget* const controls[] = {ui.Command1,     ui.Command2,     ui.Command3,
                                       ui.Command4,     ui.Command5,     ui.Command6,
                                       ui.thesiy,       ui.shmeio_thesi, ui.arithmosaktinon,
                                       ui.xronosmetato, ui.xronosPlay,   ui.menuButton};
    for (const QWidget* control : controls)
        busy.push_back({globalArea(*control), 1});
    for (const QLabel* label : w.labels())
        if (label && !label->text().isEmpty())
            busy.push_back({globalArea(*label), 1});
    for (const QWidget* marker : {ui.kyklos, ui.shmeio})
        busy.push_back({globalArea(*marker), 8});
    const surface::Surface& s = w.surface();
    const double halfWidth = w.lens().lensHalfWidth();
    const double halfHeight = w.lens().halfHeight();
    const QRectF lens(s.toPaint(-halfWidth, halfHeight), s.toPaint(halfWidth, -halfHeight));
    busy.push_back({QRect(w.mapToGlobal(lens.normalized().topLeft().toPoint()),
                          lens.normalized().size().toSize()),
                    8});
    if (otherPanel && otherPanel->isVisible())
        busy.push_back({otherPanel->frameGeometry(), 2});
    return busy;
}

QRect insideScreen(QRect place, const QRect& available) {
    place.moveRight(std::min(place.right(), available.right()));
    place.moveBottom(std::min(place.bottom(), available.bottom()));
    place.moveLeft(std::max(place.left(), available.left()));
    place.moveTop(std::max(place.top(), available.top() + titleRoom));
    return place;
}

} // namespace

QSize panelSize(QSize least, double share, const QRect& available) {
    const int width = std::max(least.width(), int(available.width() * share));
    const QSize grown(width, width * least.height() / least.width());
    return grown.boundedTo(available.size() * 0.9);
}

QRect panelPlace(Kovril& w, QSize panel, const QWidget* otherPanel, bool besideLens) {
    const QRect available = w.screen()->availableGeometry();
    const QRect frame = w.frameGeometry();
    const QRect inside(w.mapToGlobal(QPoint(0, 0)), w.size());
    // In order of preference when they cover the same.
    const QPoint corners[] = {
        {frame.right() + 1, frame.top() + titleRoom},
        {frame.left() - panel.width(), frame.top() + titleRoom},
        {inside.right() + 1 - panel.width(), inside.bottom() + 1 - panel.height()},
        {inside.left(), inside.bottom() + 1 - panel.height()},
        {inside.right() + 1 - panel.width(), inside.top() + titleRoom},
        {inside.left(), inside.top() + titleRoom},
    };
    std::vector<QPoint> places(std::begin(corners), std::end(corners));
    if (besideLens)
        places.push_back(
            {w.controls().thesiy->mapToGlobal(QPoint(0, 0)).x() - panel.width() - besideMargin,
             w.controls().menuButton->mapToGlobal(QPoint(0, 0)).y() - panel.height() -
                 besideMargin});
    const std::vector<Busy> busy = busyAreas(w, otherPanel);
    QRect best;
    long long least = -1;
    for (const QPoint& corner : places) {
        const QRect place = insideScreen(QRect(corner, panel), available);
        long long covered = 0;
        for (const Busy& b : busy)
            covered += b.weight * overlap(place.adjusted(0, -titleRoom, 0, 0), b.area);
        if (least < 0 || covered < least) {
            least = covered;
            best = place;
        }
    }
    return best;
}

} // namespace scene
