// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/help_page.h"
#include "scene/lens_panel.h"
#include "scene/play.h"
#include "scene/time_profile_panel.h"
#include "surface/controls.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

class QWidget;

namespace harness {

// The window's controls, found by their object names as a user's tools find them.
struct Controls {
    surface::WrapButton* Command1;
    surface::WrapButton* Command2;
    surface::WrapButton* Command3;
    surface::WrapButton* Command4;
    surface::WrapButton* Command5;
    surface::WrapButton* Command6;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    surface::ScrollBar* thesiy;
    surface::ScrollBar* shmeio_thesi;
    surface::ScrollBar* arithmosaktinon;
    surface::ScrollBar* xronosmetato;
    surface::Shape* shmeio;
    surface::Shape* kyklos;
    QPushButton* xronosPlay;
    scene::WavefrontPlayer* player;
    QToolButton* menuButton;
    QAction* actionClear;
    QAction* actionUndo;
    QAction* actionRedo;
    QAction* actionFullScreen;
    QAction* actionQuit;
    QAction* actionSaveScene;
    QAction* actionOpenScene;
    QAction* actionSavePicture;
    QAction* actionWhiteBackground;
    QAction* actionTimeProfile;
    QAction* actionLens;
    QAction* actionHelp;
};

// Every control of the window; one that is missing stops the test with its name.
Controls controls(const QWidget& window);

// The panels exist once first opened: null until then, so look them up when needed.
scene::TimeProfilePanel* timeProfile(const QWidget& window);
scene::HelpPage* help(const QWidget& window);
scene::LensPanel* lensPanel(const QWidget& window);

} // namespace harness
