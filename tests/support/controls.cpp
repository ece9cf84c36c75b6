// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/controls.h"

#include <QWidget>

namespace harness {

namespace {

template <typename T> T* named(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("The window has no control named %s", name);
    return found;
}

scene::WavefrontPlayer* player(const QWidget& window) {
    auto* found = window.findChild<scene::WavefrontPlayer*>();
    if (!found)
        qFatal("The window has no wavefront player");
    return found;
}

} // namespace

Controls controls(const QWidget& w) {
    return {
        named<surface::WrapButton>(w, "Command1"),
        named<surface::WrapButton>(w, "Command2"),
        named<surface::WrapButton>(w, "Command3"),
        named<surface::WrapButton>(w, "Command4"),
        named<surface::WrapButton>(w, "Command5"),
        named<surface::WrapButton>(w, "Command6"),
        named<QLabel>(w, "Label1"),
        named<QLabel>(w, "Label2"),
        named<QLabel>(w, "Label3"),
        named<QLabel>(w, "Label4"),
        named<QLabel>(w, "Label5"),
        named<QLabel>(w, "Label6"),
        named<QLabel>(w, "Label7"),
        named<surface::ScrollBar>(w, "thesiy"),
        named<surface::ScrollBar>(w, "shmeio_thesi"),
        named<surface::ScrollBar>(w, "arithmosaktinon"),
        named<surface::ScrollBar>(w, "xronosmetato"),
        named<surface::Shape>(w, "shmeio"),
        named<surface::Shape>(w, "kyklos"),
        named<QPushButton>(w, "xronosPlay"),
        player(w),
        named<QToolButton>(w, "menuButton"),
        named<QAction>(w, "actionClear"),
        named<QAction>(w, "actionUndo"),
        named<QAction>(w, "actionRedo"),
        named<QAction>(w, "actionFullScreen"),
        named<QAction>(w, "actionQuit"),
        named<QAction>(w, "actionSaveScene"),
        named<QAction>(w, "actionOpenScene"),
        named<QAction>(w, "actionSavePicture"),
        named<QAction>(w, "actionWhiteBackground"),
        named<QAction>(w, "actionTimeProfile"),
        named<QAction>(w, "actionLens"),
        named<QAction>(w, "actionHelp"),
    };
}

// The panels are plain widgets to Qt's meta-object system, so their class is checked by
// C++ itself.
scene::TimeProfilePanel* timeProfile(const QWidget& w) {
    return dynamic_cast<scene::TimeProfilePanel*>(
        w.findChild<QWidget*>(QStringLiteral("timeProfile")));
}

scene::HelpPage* help(const QWidget& w) {
    return dynamic_cast<scene::HelpPage*>(w.findChild<QWidget*>(QStringLiteral("help")));
}

scene::LensPanel* lensPanel(const QWidget& w) {
    return dynamic_cast<scene::LensPanel*>(w.findChild<QWidget*>(QStringLiteral("lensPanel")));
}

} // namespace harness
