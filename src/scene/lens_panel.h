// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/lens.h"
#include "scene/tool_panel.h"

#include <QWidget>

class Kovril;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace scene {

// The lens bench: a tool window beside the picture that shows the scene's lens and changes
// it through the window; numbers that give no lens are refused there, with the reason.
class LensPanel : public ToolPanel {
public:
    explicit LensPanel(Kovril& window);
    // Shows the window's lens; the last message stays.
    void follow();

    QComboBox* material;
    QDoubleSpinBox* index;
    QComboBox* shape;
    QDoubleSpinBox* frontRadius;
    QDoubleSpinBox* rearRadius;
    QDoubleSpinBox* thickness;
    QDoubleSpinBox* aperture;
    QPushButton* standard;
    QLabel* message;

private:
    // Gives the window this lens, or says why it is none and shows the window's lens again.
    void offer(const geometry::LensGiven& lens, const QString& note = {});
    void chooseShape(int row);

    Kovril& w_;
};

} // namespace scene
