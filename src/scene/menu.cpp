// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/menu.h"

#include "scene/kovril.h"
#include "scene/layers_menu.h"
#include "scene/lessons.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <QToolButton>

namespace scene {

namespace {

constexpr int buttonSize = 36; // pixels; large enough to hit on a touch screen
constexpr int cornerMargin = 4;

QAction* makeAction(Kovril& w, QMenu& menu, const char* name, const QString& text,
                    const QKeySequence& shortcut) {
    QAction* action = menu.addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    // Also on the window itself, so that the shortcut works with the menu closed.
    action->setShortcutContext(Qt::WindowShortcut);
    w.addAction(action);
    return action;
}

} // namespace

void makeMenu(Kovril& w) {
    WindowControls& ui = w.controls();
    ui.menuButton = new QToolButton(&w);
    ui.menuButton->setObjectName(QStringLiteral("menuButton"));
    ui.menuButton->setText(QStringLiteral("☰"));
    ui.menuButton->setAccessibleName(QCoreApplication::translate("Menu", "Μενού"));
    ui.menuButton->setAccessibleDescription(QCoreApplication::translate(
        "Menu", "Καθαρισμός, σκηνές και εικόνες σε αρχεία, πλήρης οθόνη και έξοδος."));
    ui.menuButton->setPopupMode(QToolButton::InstantPopup);
    // The markers stand above every control.
    ui.menuButton->stackUnder(ui.shmeio);
    ui.menuButton->setFocusPolicy(Qt::StrongFocus);
    QFont font = ui.menuButton->font();
    font.setPointSizeF(14);
    ui.menuButton->setFont(font);

    auto* menu = new QMenu(ui.menuButton);
    menu->setObjectName(QStringLiteral("menu"));
    ui.actionClear =
        makeAction(w, *menu, "actionClear", QCoreApplication::translate("Menu", "Καθαρισμός"),
                   QKeySequence(Qt::CTRL | Qt::Key_L));
    ui.actionReset =
        makeAction(w, *menu, "actionReset", QCoreApplication::translate("Menu", "Αρχή μαθήματος"),
                   QKeySequence());
    ui.actionUndo =
        makeAction(w, *menu, "actionUndo", QCoreApplication::translate("Menu", "Αναίρεση"),
                   QKeySequence(Qt::CTRL | Qt::Key_Z));
    ui.actionRedo =
        makeAction(w, *menu, "actionRedo", QCoreApplication::translate("Menu", "Επανάληψη"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    // Both spellings of redo that teachers' other programs use.
    ui.actionRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    scene::addLessonMenu(w, *menu);
    menu->addSeparator();
    ui.actionOpenScene = makeAction(w, *menu, "actionOpenScene",
                                    QCoreApplication::translate("Menu", "Άνοιγμα σκηνής…"),
                                    QKeySequence(Qt::CTRL | Qt::Key_O));
    ui.actionSaveScene = makeAction(w, *menu, "actionSaveScene",
                                    QCoreApplication::translate("Menu", "Αποθήκευση σκηνής…"),
                                    QKeySequence(Qt::CTRL | Qt::Key_S));
    ui.actionSavePicture = makeAction(w, *menu, "actionSavePicture",
                                      QCoreApplication::translate("Menu", "Αποθήκευση εικόνας…"),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ui.actionWhiteBackground =
        makeAction(w, *menu, "actionWhiteBackground",
                   QCoreApplication::translate("Menu", "λευκό φόντο"), QKeySequence());
    ui.actionWhiteBackground->setCheckable(true);
    // Remembered: a teacher who makes worksheets wants white every time.
    ui.actionWhiteBackground->setChecked(
        QSettings().value(QStringLiteral("pictures/whiteBackground"), false).toBool());
    QObject::connect(ui.actionWhiteBackground, &QAction::toggled, &w, [](bool white) {
        QSettings().setValue(QStringLiteral("pictures/whiteBackground"), white);
    });
    makeLayersMenu(w, *menu);
    menu->addSeparator();
    ui.actionTimeProfile = makeAction(w, *menu, "actionTimeProfile",
                                      QCoreApplication::translate("Menu", "Χρόνος διαδρομής"),
                                      QKeySequence(Qt::Key_F2));
    ui.actionLens = makeAction(w, *menu, "actionLens", QCoreApplication::translate("Menu", "Φακός"),
                               QKeySequence(Qt::Key_F3));
    ui.actionObject =
        makeAction(w, *menu, "actionObject", QCoreApplication::translate("Menu", "Αντικείμενο"),
                   QKeySequence());
    ui.actionHelp =
        makeAction(w, *menu, "actionHelp", QCoreApplication::translate("Menu", "Βοήθεια"),
                   QKeySequence(Qt::Key_F1));
    menu->addSeparator();
    ui.actionFullScreen =
        makeAction(w, *menu, "actionFullScreen",
                   QCoreApplication::translate("Menu", "Πλήρης οθόνη"), QKeySequence(Qt::Key_F11));
    ui.actionFullScreen->setCheckable(true);
    menu->addSeparator();
    ui.actionQuit =
        makeAction(w, *menu, "actionQuit", QCoreApplication::translate("Menu", "Έξοδος"),
                   QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui.menuButton->setMenu(menu);

    QObject::connect(ui.actionHelp, &QAction::triggered, &w, [&w] { w.openHelp(); });
    QObject::connect(ui.actionTimeProfile, &QAction::triggered, &w, [&w] { w.openTimeProfile(); });
    QObject::connect(ui.actionLens, &QAction::triggered, &w, [&w] { w.openLensPanel(); });
    QObject::connect(ui.actionFullScreen, &QAction::triggered, &w, [&w] { w.toggleFullScreen(); });
    QObject::connect(ui.actionQuit, &QAction::triggered, &w, [&w] { w.close(); });
    auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), &w);
    QObject::connect(leave, &QShortcut::activated, &w, [&w] {
        if (w.isFullScreen())
            w.toggleFullScreen();
    });
}

void placeMenuButton(Kovril& w) {
    w.controls().menuButton->setGeometry(w.width() - buttonSize - cornerMargin,
                                         w.height() - buttonSize - cornerMargin, buttonSize,
                                         buttonSize);
}

} // namespace scene
