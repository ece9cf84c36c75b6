// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/messagebox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

namespace surface {

namespace {
std::function<void(const QString&)>& recorder() {
    static std::function<void(const QString&)> instance;
    return instance;
}
int& holds() {
    static int count = 0;
    return count;
}
MessageTranscript*& transcript() {
    static MessageTranscript* innermost = nullptr;
    return innermost;
}
} // namespace

MessageTranscript::MessageTranscript() : outer_(transcript()) {
    transcript() = this;
}

MessageTranscript::~MessageTranscript() {
    transcript() = outer_;
}

HeldMessages::HeldMessages() {
    ++holds();
}

HeldMessages::~HeldMessages() {
    --holds();
}

void MsgBox(const QString& text) {
    if (transcript())
        transcript()->texts_ << text;
    if (holds() > 0)
        return;
    if (recorder()) {
        recorder()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void MsgBox(geometry::Message message) {
    switch (message) {
    case geometry::Message::NotFound:
        MsgBox(QCoreApplication::translate("Messages", "δε βρέθηκε"));
        return;
    case geometry::Message::AboveAxis:
        MsgBox(QCoreApplication::translate("Messages", "Nai the"));
        return;
    }
}

void setMessageRecorder(std::function<void(const QString&)> r) {
    recorder() = std::move(r);
}

} // namespace surface
