// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/measuring_tools.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// The measuring tools in a scene file (version 2), each field only while its tool is shown:
//   "ruler": {"from": [x, y], "to": [x, y]}
//   "protractor": {"vertex": [x, y], "arms": [[x, y], [x, y]]}
// in scene units, each coordinate within ±1000.
namespace scene {

// The fields of the tools shown, added to a scene's document.
void writeTools(QJsonObject& root, const geometry::MeasuringTools& tools);

// The tools a document holds (none where a field is left out), or what is wrong with a
// field, naming it; out is left as it was then.
std::optional<QString> readTools(const QJsonObject& root, geometry::MeasuringTools& out);

} // namespace scene
