// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/scene_state.h"

#include <cstddef>
#include <deque>

namespace geometry {

// The scenes a lesson went through, one after each step, for undo and redo. The oldest are
// forgotten beyond the capacity; a new step after an undo forgets the steps undone.
class SceneHistory {
public:
    // How many steps can be undone.
    static constexpr std::size_t capacity = 500;

    // A history that starts from this scene, with nothing to undo.
    explicit SceneHistory(const SceneState& start = {}) : scenes_{start} {}

    // Notes the scene after a step. A scene equal to the present one was no step.
    void note(const SceneState& scene);
    bool canUndo() const { return at_ > 0; }
    bool canRedo() const { return at_ + 1 < scenes_.size(); }
    // The scene before the present one, which becomes the present one.
    const SceneState& undo();
    // The scene after the present one, undone last, which becomes the present one.
    const SceneState& redo();
    const SceneState& present() const { return scenes_[at_]; }

private:
    std::deque<SceneState> scenes_;
    std::size_t at_ = 0; // the present scene's place in scenes_
};

} // namespace geometry
