// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/scene_history.h"

namespace geometry {

void SceneHistory::note(const SceneState& scene) {
    if (scene == present())
        return;
    scenes_.erase(scenes_.begin() + std::ptrdiff_t(at_) + 1, scenes_.end());
    if (saved_ && *saved_ > at_)
        saved_.reset();
    scenes_.push_back(scene);
    if (scenes_.size() > capacity + 1) {
        scenes_.pop_front();
        saved_ = saved_ && *saved_ > 0 ? std::optional(*saved_ - 1) : std::nullopt;
    }
    at_ = scenes_.size() - 1;
}

const SceneState& SceneHistory::undo() {
    if (canUndo())
        --at_;
    return present();
}

const SceneState& SceneHistory::redo() {
    if (canRedo())
        ++at_;
    return present();
}

} // namespace geometry
