// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace scene {

// A short page that tells what each drawn element means, with a sample of it drawn as the
// picture draws it, what each control does, and experiments to try. It stands beside the
// picture and Esc closes it: a window of its own, so that the main window's keys, Esc among
// them, do not act in it.
class HelpPage : public QWidget {
public:
    explicit HelpPage(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace scene
