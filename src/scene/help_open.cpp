// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/help_page.h"
#include "scene/kovril.h"
#include "scene/panel_place.h"
#include "scene/time_profile_panel.h"

#include <QScreen>

void Kovril::openHelp() {
    if (!help) {
        help = new scene::HelpPage(this);
        const QSize size = scene::panelSize({380, 420}, 0.28, screen()->availableGeometry());
        help->setGeometry(scene::panelPlace(*this, size, timeProfile));
    }
    help->followLayers(state_.layers);
    help->show();
    help->raise();
    help->activateWindow();
}
