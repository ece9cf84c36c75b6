// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace scene {

// What makes bytes no strict JSON, in the interface's language, with the byte where it was
// found; nothing when they are. Stricter than Qt's reader, which takes the last of two equal
// keys, a raw control character in a string, numbers written ".5" or "5." and nesting
// without end: a scene file is read as it was written or not at all.
std::optional<QString> strictJsonProblem(const QByteArray& bytes);

} // namespace scene
