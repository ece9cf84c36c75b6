// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/menu.h"

#include "scene/kovril.h"

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
    w.controls().menuButton = new QToolButton(&w);
    w.controls().menuButton->setObjectName(QStringLiteral("menuButton"));
    w.controls().menuButton->setText(QStringLiteral("☰"));
    w.controls().menuButton->setAccessibleName(QCoreApplication::translate("Menu", "Μενού"));
    w.controls().menuButton->setAccessibleDescription(QCoreApplication::translate(
        "Menu", "Καθαρισμός, σκηνές και εικόνες σε αρχεία, πλήρης οθόνη και έξοδος."));
    w.controls().menuButton->setPopupMode(QToolButton::InstantPopup);
    // The markers stand above every control.
    w.controls().menuButton->stackUnder(w.controls().shmeio);
    w.controls().menuButton->setFocusPolicy(Qt::StrongFocus);
    QFont font = w.controls().menuButton->font();
    font.setPointSizeF(14);
    w.controls().menuButton->setFont(font);

    auto* menu = new QMenu(w.controls().menuButton);
    menu->setObjectName(QStringLiteral("menu"));
    w.controls().actionClear =
        makeAction(w, *menu, "actionClear", QCoreApplication::translate("Menu", "Καθαρισμός"),
                   QKeySequence(Qt::CTRL | Qt::Key_L));
    menu->addSeparator();
    w.controls().actionOpenScene = makeAction(
        w, *menu, "actionOpenScene", QCoreApplication::translate("Menu", "Άνοιγμα σκηνής…"),
        QKeySequence(Qt::CTRL | Qt::Key_O));
    w.controls().actionSaveScene = makeAction(
        w, *menu, "actionSaveScene", QCoreApplication::translate("Menu", "Αποθήκευση σκηνής…"),
        QKeySequence(Qt::CTRL | Qt::Key_S));
    w.controls().actionSavePicture = makeAction(
        w, *menu, "actionSavePicture", QCoreApplication::translate("Menu", "Αποθήκευση εικόνας…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    w.controls().actionWhiteBackground =
        makeAction(w, *menu, "actionWhiteBackground",
                   QCoreApplication::translate("Menu", "λευκό φόντο"), QKeySequence());
    w.controls().actionWhiteBackground->setCheckable(true);
    // Remembered: a teacher who makes worksheets wants white every time.
    w.controls().actionWhiteBackground->setChecked(
        QSettings().value(QStringLiteral("pictures/whiteBackground"), false).toBool());
    QObject::connect(w.controls().actionWhiteBackground, &QAction::toggled, &w, [](bool white) {
        QSettings().setValue(QStringLiteral("pictures/whiteBackground"), white);
    });
    menu->addSeparator();
    w.controls().actionTimeProfile = makeAction(
        w, *menu, "actionTimeProfile", QCoreApplication::translate("Menu", "Χρόνος διαδρομής"),
        QKeySequence(Qt::Key_F2));
    w.controls().actionLens =
        makeAction(w, *menu, "actionLens", QCoreApplication::translate("Menu", "Φακός"),
                   QKeySequence(Qt::Key_F3));
    w.controls().actionHelp =
        makeAction(w, *menu, "actionHelp", QCoreApplication::translate("Menu", "Βοήθεια"),
                   QKeySequence(Qt::Key_F1));
    menu->addSeparator();
    w.controls().actionFullScreen =
        makeAction(w, *menu, "actionFullScreen",
                   QCoreApplication::translate("Menu", "Πλήρης οθόνη"), QKeySequence(Qt::Key_F11));
    w.controls().actionFullScreen->setCheckable(true);
    menu->addSeparator();
    w.controls().actionQuit =
        makeAction(w, *menu, "actionQuit", QCoreApplication::translate("Menu", "Έξοδος"),
                   QKeySequence(Qt::CTRL | Qt::Key_Q));
    w.controls().menuButton->setMenu(menu);

    QObject::connect(w.controls().actionHelp, &QAction::triggered, &w, [&w] { w.openHelp(); });
    QObject::connect(w.controls().actionTimeProfile, &QAction::triggered, &w,
                     [&w] { w.openTimeProfile(); });
    QObject::connect(w.controls().actionLens, &QAction::triggered, &w, [&w] { w.openLensPanel(); });
    QObject::connect(w.controls().actionFullScreen, &QAction::triggered, &w,
                     [&w] { w.toggleFullScreen(); });
    QObject::connect(w.controls().actionQuit, &QAction::triggered, &w, [&w] { w.close(); });
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
