// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/layers.h"

#include <QWidget>

#include <vector>

class QLabel;
namespace surface {
struct LegendEntry;
}

namespace scene {

// A short page that tells what each drawn element means, with a sample of it drawn as the
// picture draws it, what each control does, and experiments to try. It stands beside the
// picture and Esc closes it: a window of its own, so that the main window's keys, Esc among
// them, do not act in it.
class HelpPage : public QWidget {
public:
    explicit HelpPage(QWidget* parent);
    // Lists in the legend only what the picture can show with these layers.
    void followLayers(const geometry::Layers& layers);

protected:
    void keyPressEvent(QKeyEvent* event) override;

public:
    // An element of the legend and the two labels that show it.
    struct LegendRow {
        const surface::LegendEntry* entry;
        QLabel* sample;
        QLabel* text;
    };

private:
    std::vector<LegendRow> legend_;
};

} // namespace scene
