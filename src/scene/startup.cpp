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
    w.Label7->setText(QCoreApplication::translate("Window", "ψ blue = ") +
                      surface::Format(w.shmeio_thesi->Value(), "0"));
    w.Label1->setText(QCoreApplication::translate("Window", "ψ= ") +
                      QString::number(w.thesiy->Value()));

    const geometry::Point frontVertex = w.lens().frontSurfacePoint(0);
    w.shmeio->setGeometryInFrame(float(frontVertex.x - w.shmeio->Width() / 2.0),
                                 float(w.shmeio->Height() / 2.0), w.shmeio->Width(),
                                 w.shmeio->Height());

    w.connectHandlers();
    w.showFirstPicture();
}
