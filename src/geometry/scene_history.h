// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/scene_state.h"

#include <cstddef>
#include <deque>
#include <optional>

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
    // The present scene is the one on disk: undoing or redoing back to it is unmodified again.
    void markSaved() { saved_ = at_; }
    bool atSaved() const { return saved_ == at_; }

private:
    std::deque<SceneState> scenes_;
    std::size_t at_ = 0; // the present scene's place in scenes_
    // The saved scene's place; none once it was forgotten or never reached.
    std::optional<std::size_t> saved_ = 0;
};

} // namespace geometry
