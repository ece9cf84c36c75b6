// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/tool_panel.h"

#include <QKeyEvent>

namespace scene {

bool ToolPanel::event(QEvent* event) {
    // A tool window shares its main window's shortcuts, where Esc leaves full screen; here it
    // belongs to the panel.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ToolPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace scene
