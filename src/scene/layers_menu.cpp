// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/layers_menu.h"

#include "scene/help_page.h"
#include "scene/kovril.h"
#include "scene/object_controls.h"
#include "surface/messagebox.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace scene {

namespace {

struct LayerEntry {
    const char* name;
    const char* text;
    bool geometry::Layers::*shown;
};

const LayerEntry entries[] = {
    {"actionShowNormals", QT_TRANSLATE_NOOP("Menu", "Κάθετες στις επιφάνειες"),
     &geometry::Layers::normals},
    {"actionShowWavelets", QT_TRANSLATE_NOOP("Menu", "Κύκλοι Huygens"),
     &geometry::Layers::wavelets},
    {"actionShowCardinal", QT_TRANSLATE_NOOP("Menu", "Κύρια σημεία και κατασκευές"),
     &geometry::Layers::cardinal},
    {"actionShowWavefronts", QT_TRANSLATE_NOOP("Menu", "Μέτωπα κύματος"),
     &geometry::Layers::wavefronts},
    {"actionShowBeam", QT_TRANSLATE_NOOP("Menu", "Ακτίνες της δέσμης"), &geometry::Layers::beam},
    {"actionDirectionArrows", QT_TRANSLATE_NOOP("Menu", "Βέλη κατεύθυνσης"),
     &geometry::Layers::directionArrows},
};

} // namespace

void makeLayersMenu(Kovril& w, QMenu& menu) {
    QMenu* layers = menu.addMenu(QCoreApplication::translate("Menu", "Εμφάνιση"));
    layers->setObjectName(QStringLiteral("layersMenu"));
    layers->menuAction()->setObjectName(QStringLiteral("actionLayers"));
    for (const LayerEntry& entry : entries) {
        QAction* action = layers->addAction(QCoreApplication::translate("Menu", entry.text));
        action->setObjectName(QLatin1String(entry.name));
        action->setCheckable(true);
        action->setChecked(w.state().layers.*entry.shown);
        QObject::connect(action, &QAction::toggled, &w, [&w, shown = entry.shown](bool on) {
            geometry::Layers chosen = w.state().layers;
            chosen.*shown = on;
            w.showLayers(chosen);
        });
    }
}

} // namespace scene

void Kovril::showLayers(const geometry::Layers& layers) {
    state_.layers = layers;
    if (help)
        help->followLayers(layers);
    const surface::HeldMessages held;
    drawLog();
    objectControls->follow();
}
