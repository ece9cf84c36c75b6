// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/frame.h"

#include "geometry/state.h"
#include "scene/kovril.h"
#include "scene/menu.h"
#include "scene/state.h"
#include "surface/format.h"

#include <algorithm>

namespace scene {

namespace {

QFont withPointSize(QFont font, double points) {
    font.setPointSizeF(points);
    return font;
}

// Labels that would otherwise be a few pixels high on a large screen grow with the window,
// to be read from the back of a classroom.
double smallLabelPoints(const Kovril& w) {
    return 11 * std::clamp(w.height() / 768.0, 1.0, 2.0);
}

// The number of rays: its bar on the left edge below Label1, and its value beside the bar
// above the blue point's bar, both clear of the axis.
void layOutRayCount(Kovril& w, double u, double v) {
    WindowControls& ui = w.controls();
    const double top = 340 * v;
    w.placeInFrame(*ui.arithmosaktinon, -500 * u, top, {}, 290 * v);
    const double barTop = 99 + 2; // the blue point's bar begins at y = 99
    w.placeInFrame(*ui.Label5, -500 * u, top, 250 * u, std::max(top - barTop, 60 * v));
    ui.Label5->setGeometry(
        ui.Label5->geometry().adjusted(ui.arithmosaktinon->width() + 4, 0, 0, 0));
    ui.Label5->setFont(withPointSize(ui.Label5->font(), smallLabelPoints(w)));
}

// Places the controls in the scene frame of a window whose proportions are u and v, and gives
// the labels that show a scroll bar's value their text.
void layOutControls(Kovril& w, double u, double v) {
    WindowControls& ui = w.controls();
    w.placeInFrame(*ui.thesiy, 450 * u, 99, 30 * u, 198);
    w.placeInFrame(*ui.shmeio_thesi, -440 * u, 99, 30 * u, 198);
    w.placeInFrame(*ui.Label1, {}, 500 * v, {}, {});
    ui.Label1->setFont(withPointSize(ui.Label1->font(), 12));
    w.placeInFrame(*ui.Label7, -440 * u + 30 * u, 99 - 198, 140 * u, {});
    ui.Label7->setFont(withPointSize(ui.Label7->font(), 14));
    w.placeInFrame(*ui.Label1, -500 * u, {}, 120 * u, 150 * v);
    w.placeInFrame(*ui.Label2, 350 * u, 500 * v, 150 * u, {});
    w.placeInFrame(*ui.Command1, 50 * u, 500 * v, 150 * u, 70 * v);
    w.placeInFrame(*ui.Label3, -350 * u, 500 * v, 150 * u, {});
    w.placeInFrame(*ui.Label4, -200 * u, 500 * v, 150 * u, {});
    w.placeInFrame(*ui.Command2, 50 * u, 430 * v, 150 * u, 70 * v);
    w.placeInFrame(*ui.Command3, 50 * u, 360 * v, 150 * u, 70 * v);
    w.placeInFrame(*ui.Command4, 200 * u, 430 * v, 150 * u, 70 * v);
    w.placeInFrame(*ui.Command5, 200 * u, 360 * v, 150 * u, 70 * v);
    w.placeInFrame(*ui.xronosmetato, -200 * u, -430 * v, 100, {});
    w.placeInFrame(*ui.Label6, -200 * u + 100, -430 * v, 100 * u, 50 * v);
    ui.Label6->setFont(withPointSize(ui.Label6->font(), smallLabelPoints(w)));
    layOutRayCount(w, u, v);
    const QRect bar = ui.xronosmetato->geometry();
    ui.xronosPlay->setGeometry(bar.left() - bar.height() - 2, bar.top(), bar.height(),
                               bar.height());
    w.placeInFrame(*ui.Command6, 50 * u + 150 * u, 500 * v, {}, {});
    ui.Command6->resize(ui.Command1->size());
    ui.Command6->setFont(withPointSize(ui.Command6->font(), 16));
    surface::shareCaptionSize({ui.Command1, ui.Command2, ui.Command3, ui.Command4, ui.Command5});
    placeMenuButton(w);
}

} // namespace

void frameWindow(Kovril& w) {
    surface::Surface& s = w.surface();
    const double clientWidth = s.ScaleWidth();
    const double clientHeight = s.ScaleHeight();
    geometry::widthFrac = float(clientWidth / (clientWidth + clientHeight));
    geometry::heightFrac = float(clientHeight / (clientWidth + clientHeight));

    const double u = geometry::widthFrac;
    const double v = geometry::heightFrac;
    w.Scale(-500 * u, 500 * v, 500 * u, -500 * v);
    geometry::halfWidth = float(500 * u);
    geometry::halfHeight = float(500 * v);
    layOutControls(w, u, v);
    originPxX = float(-s.ScaleX(s.ScaleLeft()));
    originPxY = float(-s.ScaleY(s.ScaleTop()));
}

geometry::Point insideFrame(geometry::Point p) {
    return {std::clamp(p.x, -double(geometry::halfWidth), double(geometry::halfWidth)),
            std::clamp(p.y, -double(geometry::halfHeight), double(geometry::halfHeight))};
}

} // namespace scene
