// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/drawing_properties.h"
#include "geometry/point.h"

#include <array>
#include <string>
#include <vector>

// What was drawn since the picture was last cleared, kept so that the same picture can be
// drawn again on another frame, on a page or from a file.
namespace geometry {

// One event that drew on the window, with what it read that the window may no longer show.
struct Action {
    enum class Kind {
        FirstPicture, // the picture start-up draws
        Clear,        // the menu's clear: the bare lens
        Command1,
        Command2,
        Command3,
        Command4,
        Command5,
        Print,       // PRINT draws on paper, but leaves the window's fill solid
        YellowPoint, // thesiy changed
        RayCount,    // arithmosaktinon changed
        TrialPoint,  // shmeio_thesi moved the blue point along the lens
        Time,        // xronosmetato changed
        Drop,        // a marker dropped with the mouse or moved with the keys
    };
    Kind kind = Kind::FirstPicture;
    geometry::Point source;    // Drop: the path's source
    geometry::Point bluePoint; // Drop: the path's blue point
    float sineRatio = 0;       // Print: the measured index it left

    bool operator==(const Action&) const = default;
};

// Whether an action starts the picture afresh, so that nothing before it needs redrawing.
bool clearsThePicture(Action::Kind kind);

// What drawing an action again costs, in microseconds of a 1920 × 1080 picture on a
// classroom computer, with the beam's ray count: the measure that keeps opening a scene and
// every relayout within a second.
long replayCost(Action::Kind kind, int rays);
// The most a picture may cost; beyond it a scene file is refused and the window asks for a
// clear first. About fifty «Συνέχιση δέσμης» of 100 rays.
constexpr long replayBudget = 700'000;

// Label1 .. Label7 in UTF-8; index 0 unused, as labels count from 1.
using LabelTextArray = std::array<std::string, 8>;

// The window's drawing properties and texts, as an action found them.
struct StartState {
    DrawingProperties drawing;
    LabelTextArray labels;
    double label3Points = 0;
    float sineRatio = 0;

    bool operator==(const StartState&) const = default;
};

// What was drawn since the picture was last cleared, and the state it started from: enough
// to draw the same picture again on a new frame.
struct ActionLog {
    StartState start;
    std::vector<Action> actions;

    bool operator==(const ActionLog&) const = default;
};

// What drawing the whole log again costs.
long replayCost(const ActionLog& log, int rays);

} // namespace geometry
