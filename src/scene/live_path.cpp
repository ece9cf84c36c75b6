// SPDX-License-Identifier: GPL-3.0-or-later
// While a marker or the yellow point's bar is dragged, the path the picture shows follows the
// drag. Nothing of it is logged or kept for undo: the release clears and draws as a drop or a
// change of the bar always does, from the texts the drag started with.
#include "scene/live_path.h"

#include "optics/least_time_path.h"
#include "optics/trial_path.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "surface/messagebox.h"

#include <QCoreApplication>

#include <algorithm>

namespace scene {

ShownPath shownPath(const geometry::ActionLog& log) {
    using Kind = geometry::Action::Kind;
    // Printing leaves the window's picture as it was.
    const auto last = std::find_if(log.actions.rbegin(), log.actions.rend(),
                                   [](const geometry::Action& a) { return a.kind != Kind::Print; });
    if (last == log.actions.rend())
        return ShownPath::None;
    switch (last->kind) {
    case Kind::Command1:
        return ShownPath::LeastTime;
    case Kind::Drop:
        return ShownPath::Dropped;
    case Kind::TrialPoint:
        return ShownPath::Trial;
    default:
        return ShownPath::None;
    }
}

} // namespace scene

bool Kovril::drawLivePath(scene::Marker dragged, geometry::Point to) {
    if (!live_.active) {
        const scene::ShownPath path = scene::shownPath(state_.log);
        if (path == scene::ShownPath::None)
            return false;
        live_.active = true;
        live_.path = path;
        live_.before = currentState();
    }
    const surface::HeldMessages quiet;
    if (dragged == scene::Marker::None)
        drawLiveYellowPoint();
    else
        drawLiveMarker(dragged, to);
    showChanges();
    profileFollows();
    return true;
}

void Kovril::drawLiveMarker(scene::Marker dragged, geometry::Point to) {
    // The bare scene stays the same through a marker's drag: drawn once, then put back
    // before each path, which costs only the tiles the last path drew on.
    if (live_.bareSceneOf != surface().id()) {
        surface().Cls();
        scene::redrawScene(*this);
        live_.bareScene = surface().snapshot(std::move(live_.bareScene.picture));
        live_.bareSceneOf = surface().id();
    } else {
        surface().restore(live_.bareScene);
    }
    if (dragged == scene::Marker::Source && live_.path == scene::ShownPath::LeastTime) {
        applyLabels(
            optics::drawLeastTimePath(surface(), lens(), source(), state_.thesiy, state_.layers)
                .labels);
        return;
    }
    // As the release will draw it: through the point under the pointer, not the marker's
    // stored centre.
    const bool source = dragged == scene::Marker::Source;
    applyLabels(optics::drawDroppedPath(surface(), lens(), source ? to : state_.source,
                                        source ? state_.bluePoint : to, state_.thesiy,
                                        state_.layers));
}

void Kovril::drawLiveYellowPoint() {
    surface().Cls();
    showLabel(1, QCoreApplication::translate("Window", "ψ κίτρινο= ") +
                     QString::number(state_.thesiy));
    scene::redrawScene(*this);
    switch (live_.path) {
    case scene::ShownPath::LeastTime:
        applyLabels(
            optics::drawLeastTimePath(surface(), lens(), source(), state_.thesiy, state_.layers)
                .labels);
        return;
    case scene::ShownPath::Dropped:
        applyLabels(optics::drawDroppedPath(surface(), lens(), state_.source, state_.bluePoint,
                                            state_.thesiy, state_.layers));
        return;
    case scene::ShownPath::Trial:
        showLabel3Points(12);
        applyLabels(optics::drawTrialPath(surface(), lens(), state_.source, state_.bluePoint,
                                          state_.thesiy, state_.layers));
        return;
    case scene::ShownPath::None:
        return;
    }
}

void Kovril::endLivePath() {
    if (!live_.active)
        return;
    restore(live_.before);
    live_.active = false;
    live_.bareSceneOf = 0;
}
