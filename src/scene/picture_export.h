// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class Kovril;

namespace scene {

// Saves what the window shows as a PNG at the screen's resolution, an SVG or a PDF (vectors,
// drawn again by the same procedures), chosen by the file's suffix: the picture at the
// window's size with the source and the blue point as on screen, and below it a strip with
// the labels' texts, so that the numbers are kept. With whiteBackground the picture is drawn
// on white, for worksheets. The problem, if it failed.
std::optional<QString> savePicture(Kovril& window, const QString& path, bool whiteBackground);

} // namespace scene
