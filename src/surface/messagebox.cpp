// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/messagebox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace surface {

namespace {
std::function<void(const QString&)>& recorder() {
    static std::function<void(const QString&)> instance;
    return instance;
}
std::function<UnsavedAnswer(const QString&)>& answerer() {
    static std::function<UnsavedAnswer(const QString&)> instance;
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

UnsavedAnswer askAboutUnsaved(const QString& text) {
    if (answerer())
        return answerer()(text);
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    // Qt's own words for the buttons are not loaded; these follow the interface's language.
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("Messages", "Αποθήκευση"));
    box.button(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("Messages", "Χωρίς αποθήκευση"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Messages", "Άκυρο"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return UnsavedAnswer::Save;
    case QMessageBox::Discard:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}

void setUnsavedAnswerer(std::function<UnsavedAnswer(const QString&)> a) {
    answerer() = std::move(a);
}

} // namespace surface
