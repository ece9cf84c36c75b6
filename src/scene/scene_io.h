// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/scene_file.h"

#include <QString>

#include <functional>
#include <optional>
#include <variant>

class QWidget;

// Scene files on disk, and the dialogs that name them.
namespace scene {

// The document in a scene file, or why the file is none: too large, unreadable or not a
// scene, in the interface's language.
std::variant<geometry::SceneState, QString> loadSceneFile(const QString& path,
                                                          const geometry::SceneState& defaults);

// Writes the document all at once: a save that fails leaves the file that was there as it
// was. The problem, if it failed.
std::optional<QString> saveSceneFile(const QString& path, const geometry::SceneState& document);

// Puts the bytes in the file all at once, or leaves what was there: the problem, if it failed.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);

enum class FileChoice { OpenScene, SaveScene, SavePicture };

// Asks for a file name; empty when the user cancels.
QString chooseFile(QWidget* parent, FileChoice choice);
// Tests answer in place of the dialog; an empty function restores it.
void setFileChooser(std::function<QString(FileChoice)> chooser);

} // namespace scene
