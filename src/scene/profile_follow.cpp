// SPDX-License-Identifier: GPL-3.0-or-later
// The travel-time panel follows the window's scene: the source, the yellow point and the
// blue point while it stands on the front surface.
#include "scene/help_page.h"
#include "scene/kovril.h"
#include "scene/panel_place.h"
#include "scene/time_profile_panel.h"

#include <QScreen>

void Kovril::openTimeProfile() {
    if (!timeProfile) {
        timeProfile = new scene::TimeProfilePanel(this);
        if (!timeProfile->placeRemembered()) {
            const QSize size = scene::panelSize({420, 315}, 0.3, screen()->availableGeometry());
            timeProfile->setGeometry(scene::panelPlace(*this, size, help));
        }
    }
    timeProfile->show();
    timeProfile->raise();
    profileFollows();
}

void Kovril::profileFollows() {
    // A closed panel costs nothing, and its searches never reach the search observer.
    if (!timeProfile || !timeProfile->isVisible())
        return;
    scene::ProfileInputs inputs{state_.source, double(state_.thesiy), {}};
    if (state_.blueOnSurface)
        inputs.bluePoint = state_.bluePoint;
    timeProfile->follow(lens(), inputs);
}
