#include "scene/action_log.h"

namespace scene {

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

} // namespace scene
