// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"
#include "geometry/time_profile.h"
#include "scene/tool_panel.h"
#include "surface/surface.h"

#include <QWidget>

#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace scene {

// What the profile is drawn for: the source, the yellow point's height and, once a trial
// move or the least-time button has put it on the surface, the blue point.
struct ProfileInputs {
    geometry::Point source;
    double yellow = 0;
    std::optional<geometry::Point> bluePoint;
};

// The plot itself: the profile drawn on a retained picture of the widget's size.
class ProfilePlot : public QWidget {
public:
    explicit ProfilePlot(QWidget* parent);
    void draw(const geometry::TimeProfile& profile,
              const std::optional<geometry::ProfileSample>& trial, bool steps);
    const surface::Surface& picture() const { return *surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();

    std::unique_ptr<surface::Surface> surface_;
    geometry::TimeProfile profile_;
    std::optional<geometry::ProfileSample> trial_;
    bool steps_ = false;
};

// The travel-time panel: a tool window above the main window that follows its scene; Esc
// closes it.
class TimeProfilePanel : public ToolPanel {
public:
    explicit TimeProfilePanel(QWidget* parent);
    // Computes and draws the profile for these inputs; the labels follow.
    void follow(const geometry::Lens& lens, const ProfileInputs& inputs);
    // Prints the profile shown by the program's printing rules.
    void print();

    const geometry::TimeProfile& profile() const { return profile_; }
    // Whether the panel stands where it stood when last moved or resized.
    bool placeRemembered() const { return placeRemembered_; }

    ProfilePlot* plot;
    QLabel* minimumLabel;
    QLabel* trialLabel;
    QCheckBox* stepsBox;
    QPushButton* printButton;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rememberPlace();
    void refresh();

    geometry::TimeProfile profile_;
    std::optional<geometry::ProfileSample> trial_;
    bool placeRemembered_ = false;
};

} // namespace scene
