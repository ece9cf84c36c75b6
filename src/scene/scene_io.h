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

// Where a dialog starts: the last folder used (or Documents, made when missing), with a name
// taken from the scene's file, or the program's own.
QString proposedPath(FileChoice choice, const QString& scenePath);

// Asks for a file name, starting at the proposed path; empty when the user cancels. The folder
// chosen is remembered for the next dialog; a picture with no extension is a PNG.
QString chooseFile(QWidget* parent, FileChoice choice, const QString& scenePath = {});
// Tests answer in place of the dialog; an empty function restores it.
void setFileChooser(std::function<QString(FileChoice)> chooser);
// The same, for a test that reads the proposed path.
void setPathChooser(std::function<QString(FileChoice, const QString& proposed)> chooser);

} // namespace scene
