// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/help_page.h"
#include "scene/kovril.h"

void Kovril::openHelp() {
    if (!help) {
        help = new scene::HelpPage(this);
        help->placeBeside(*this);
    }
    help->show();
    help->raise();
    help->activateWindow();
}
