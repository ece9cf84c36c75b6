// SPDX-License-Identifier: GPL-3.0-or-later
// The one window of the program, dressed with what lives beside it: the menu, the keyboard's
// order and the screen reader's texts, and the wavefront's player.
#include "scene/accessibility.h"
#include "scene/kovril.h"
#include "scene/measuring.h"
#include "scene/menu.h"
#include "scene/play.h"

#include <QPointer>

namespace scene {

namespace {

QPointer<Kovril>& formSlot() {
    static QPointer<Kovril> instance;
    return instance;
}

} // namespace

Kovril& form() {
    return *formSlot();
}

Kovril& createForm() {
    delete formSlot();
    Kovril* w = new Kovril;
    formSlot() = w;
    makeMenu(*w);
    makeKeyboardAccessible(*w);
    describeForScreenReaders(*w);
    makeMeasuring(*w);
    WavefrontPlayer* player = &makePlayer(*w);
    w->controls().player = player;
    // The player watches every event of the program; the window's own teardown sends some,
    // which it must not see once the window is only half there.
    QObject::connect(w, &Kovril::tearingDown, player, [player] { delete player; });
    // Closing the window ends the program and frees it.
    w->setAttribute(Qt::WA_DeleteOnClose);
    return *w;
}

} // namespace scene
