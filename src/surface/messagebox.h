#pragma once

#include "geometry/message.h"

#include <QString>

#include <functional>

namespace surface {

// Shows a modal message box with one OK button, titled with the application's name.
void MsgBox(const QString& text);

// Shows what a construction asked to tell the student.
void MsgBox(geometry::Message message);

// Tests replace the box by a recorder; an empty function restores the real box.
void setMessageRecorder(std::function<void(const QString&)> recorder);

} // namespace surface
