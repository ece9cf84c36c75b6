#pragma once

#include "geometry/message.h"

#include <QString>

#include <functional>

namespace surface {

// Shows a modal message box with one OK button, titled with the application's name.
void MsgBox(const QString& text);

// Shows what a construction asked to tell the student.
void MsgBox(geometry::Message message);

// While one of these lives, boxes are held back: nothing is shown or recorded (a picture
// drawn again after a resize must not say again what the student has already read).
class HeldMessages {
public:
    HeldMessages();
    ~HeldMessages();
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;
};

// Tests replace the box by a recorder; an empty function restores the real box.
void setMessageRecorder(std::function<void(const QString&)> recorder);

} // namespace surface
