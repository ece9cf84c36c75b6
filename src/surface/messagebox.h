// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/message.h"

#include <QString>
#include <QStringList>

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

// While one lives, it keeps the text of every box asked for, shown or held back, so that a
// result used again can say again what it said.
class MessageTranscript {
public:
    MessageTranscript();
    ~MessageTranscript();
    MessageTranscript(const MessageTranscript&) = delete;
    MessageTranscript& operator=(const MessageTranscript&) = delete;
    const QStringList& texts() const { return texts_; }

private:
    friend void MsgBox(const QString& text);
    QStringList texts_;
    MessageTranscript* outer_;
};

// Tests replace the box by a recorder; an empty function restores the real box.
void setMessageRecorder(std::function<void(const QString&)> recorder);

enum class UnsavedAnswer { Save, Discard, Cancel };

// Asks what becomes of unsaved work: save it, let it go, or stay where one was.
UnsavedAnswer askAboutUnsaved(const QString& text);

// Tests answer in place of the box; an empty function restores the real box.
void setUnsavedAnswerer(std::function<UnsavedAnswer(const QString&)> answerer);

} // namespace surface
