// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"
#include "scene/action_log.h"
#include "scene/bar_ranges.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <variant>

// Scene files (.kovril): JSON in UTF-8 that holds what rebuilds the picture on a window of the
// same size: the markers, the scroll-bar values, the state the picture started from at its
// last clear (label texts, drawing properties, the measured index) and the actions since.
namespace scene {

constexpr qint64 sceneFileLimit = 1024 * 1024; // bytes; anything larger is not a scene
constexpr int sceneFileVersion = 1;

struct SceneDocument {
    geometry::Point source;    // the centre of kyklos
    geometry::Point bluePoint; // the centre of shmeio
    std::int16_t thesiy = thesiyRange.start;
    std::int16_t shmeio_thesi = shmeioThesiRange.start;
    std::int16_t arithmosaktinon = arithmosaktinonRange.start;
    std::int16_t xronosmetato = xronosmetatoRange.start;
    ActionLog log;
};

// The document as a file's bytes.
QByteArray writeScene(const SceneDocument& document);

// The document a file's bytes hold, every field left out taken from the defaults; or, when the
// bytes are no scene this program can open, what is wrong with them, in the interface's
// language.
std::variant<SceneDocument, QString> readScene(const QByteArray& bytes,
                                               const SceneDocument& defaults);

// The names actions have in files.
QString actionName(Action::Kind kind);

} // namespace scene
