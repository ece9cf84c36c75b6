// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace scene {

// A panel beside the picture, in a tool window of its own, that Esc closes.
class ToolPanel : public QWidget {
public:
    explicit ToolPanel(QWidget* parent) : QWidget(parent, Qt::Tool) {}

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace scene
