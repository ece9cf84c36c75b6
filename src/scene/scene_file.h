// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/scene_state.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <variant>

// Scene files (.kovril): JSON in UTF-8 that holds what rebuilds the picture on a window of the
// same size: the markers, the scroll-bar values, the state the picture started from at its
// last clear (label texts, drawing properties, the measured index) and the actions since, and
// from version 2 the lens.
namespace scene {

constexpr qint64 sceneFileLimit = 1024 * 1024; // bytes; anything larger is not a scene
constexpr int sceneFileVersion = 2;            // 2 keeps the lens

// The document as a file's bytes.
QByteArray writeScene(const geometry::SceneState& scene);

// The document a file's bytes hold, every field left out taken from the defaults; or, when the
// bytes are no scene this program can open, what is wrong with them, in the interface's
// language.
std::variant<geometry::SceneState, QString> readScene(const QByteArray& bytes,
                                                      const geometry::SceneState& defaults);

// The names actions have in files.
QString actionName(geometry::Action::Kind kind);

} // namespace scene
