#pragma once

#include <QString>

#include <functional>

namespace surface {

// Shows a modal message box with one OK button, titled with the application's name.
void MsgBox(const QString& text);

// Tests replace the box by a recorder; an empty function restores the real box.
void setMessageRecorder(std::function<void(const QString&)> recorder);

} // namespace surface
