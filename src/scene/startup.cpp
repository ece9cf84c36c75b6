// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/startup.h"

#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/frame.h"
#include "scene/kovril.h"
#include "scene/language.h"
#include "scene/program_names.h"
#include "scene/window_place.h"
#include "surface/format.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

void startUp(const StartOptions& options) {
    scene::nameTheProgram();
    scene::installLanguage(scene::chooseLanguage(options.language));
    Kovril& w = scene::createForm();
    // The place the window returns to when it is no longer maximized; the window lays itself
    // out again for the size the window manager gives it.
    w.setGeometry(scene::normalWindowPlace(QGuiApplication::primaryScreen()->availableGeometry()));
    w.resetPicture();
    if (options.fullScreen)
        w.showFullScreen();
    else
        w.showMaximized();

    geometry::shareLens(w.lens());
    scene::frameWindow(w);
    w.showLabel(7, QCoreApplication::translate("Window", "ψ blue = ") +
                       surface::Format(w.state().shmeio_thesi, "0"));
    w.showLabel(1,
                QCoreApplication::translate("Window", "ψ= ") + QString::number(w.state().thesiy));
    w.placeBluePoint(w.lens().frontSurfacePoint(0));

    w.connectHandlers();
    w.showFirstPicture();
}
