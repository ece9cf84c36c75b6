// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/action_log.h"

namespace geometry {

bool clearsThePicture(Action::Kind kind) {
    switch (kind) {
    case Action::Kind::FirstPicture:
    case Action::Kind::Clear:
    case Action::Kind::YellowPoint:
    case Action::Kind::RayCount:
    case Action::Kind::TrialPoint:
    case Action::Kind::Time:
    case Action::Kind::Drop:
        return true;
    case Action::Kind::Command1:
    case Action::Kind::Command2:
    case Action::Kind::Command3:
    case Action::Kind::Command4:
    case Action::Kind::Command5:
    case Action::Kind::Print:
        return false;
    }
    return false;
}

long replayCost(Action::Kind kind, int rays) {
    // Measured per action, replayed at 1920 × 1080, and rounded up.
    switch (kind) {
    case Action::Kind::Command5:
        return 1'500 + 120L * rays;
    case Action::Kind::Time:
        return 2'500 + 25L * rays;
    case Action::Kind::Command2:
    case Action::Kind::Command3:
        return 200 + 25L * rays;
    case Action::Kind::Command4:
    case Action::Kind::FirstPicture:
        return 2'500;
    case Action::Kind::Print:
        return 20;
    case Action::Kind::Clear:
    case Action::Kind::Command1:
    case Action::Kind::YellowPoint:
    case Action::Kind::RayCount:
    case Action::Kind::TrialPoint:
    case Action::Kind::Drop:
        return 1'200;
    }
    return 2'500;
}

long replayCost(const ActionLog& log, int rays) {
    long cost = 0;
    for (const Action& action : log.actions)
        cost += replayCost(action.kind, rays);
    return cost;
}

} // namespace geometry
