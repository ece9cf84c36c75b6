// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/kovril.h"
#include "scene/lens_panel.h"
#include "scene/panel_place.h"
#include "scene/time_profile_panel.h"

#include <QScreen>

void Kovril::openLensPanel() {
    if (!lensPanel) {
        lensPanel = new scene::LensPanel(*this);
        // Its least size is what its controls need, whatever the language and the font.
        const QSize least = lensPanel->sizeHint();
        const QSize size = scene::panelSize(least, 0.18, screen()->availableGeometry());
        lensPanel->setGeometry(scene::panelPlace(*this, size, timeProfile, true));
    }
    lensPanel->follow();
    lensPanel->show();
    lensPanel->raise();
    lensPanel->activateWindow();
}
