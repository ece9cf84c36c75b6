// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/play.h"

#include "scene/kovril.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

const QString playText = QStringLiteral("▶");
const QString pauseText = QStringLiteral("❚❚");
constexpr double quarterPace = 0.25;

bool inside(const QObject* object, const QWidget& window) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && (widget == &window || window.isAncestorOf(widget));
}

} // namespace

WavefrontPlayer::WavefrontPlayer(Kovril& window, QPushButton& button)
    : QObject(&window), window_(window), button_(button) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1000 / 60);
    connect(&timer_, &QTimer::timeout, this, &WavefrontPlayer::frame);
    connect(&button_, &QPushButton::clicked, this, [this] { toggle(1); });
    // Every event of the program passes here first, so that another control stops the play
    // before it acts.
    qApp->installEventFilter(this);
}

void WavefrontPlayer::toggle(double pace) {
    if (playing()) {
        stop();
        return;
    }
    surface::ScrollBar& bar = *window_.controls().xronosmetato;
    const double maximum = bar.maximum();
    const std::int16_t time = window_.state().xronosmetato;
    from_ = time >= maximum ? bar.minimum() : time;
    perMillisecond_ = pace * std::max(1.0, maximum - from_) / (secondsToMaximum * 1000.0);
    time_ = from_;
    button_.setText(pauseText);
    clock_.start();
    timer_.start();
    frame();
}

void WavefrontPlayer::stop() {
    if (!playing())
        return;
    timer_.stop();
    button_.setText(playText);
    // The bar, Label6 and the picture agree again, and the log holds the time shown.
    time_ = window_.state().xronosmetato;
    window_.xronosmetato_Change();
    // The whole play is one step.
    window_.afterStep();
}

void WavefrontPlayer::frame() {
    surface::ScrollBar& bar = *window_.controls().xronosmetato;
    const double maximum = bar.maximum();
    time_ = std::min(maximum, from_ + perMillisecond_ * double(clock_.elapsed()));
    const auto whole = std::int16_t(std::floor(time_));
    if (whole != window_.state().xronosmetato)
        window_.showTimeValue(whole);
    if (time_ >= maximum) {
        stop();
        return;
    }
    window_.xronosPlay_Frame(time_);
    window_.showChanges();
}

bool WavefrontPlayer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &button_ && type == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        toggle(quarterPace);
        return true;
    }
    if (watched == window_.controls().xronosmetato && type == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space) {
            toggle(key->modifiers() & Qt::ShiftModifier ? quarterPace : 1);
            return true;
        }
    }
    const bool act =
        type == QEvent::MouseButtonPress || type == QEvent::KeyPress || type == QEvent::Wheel;
    if (playing() && act && watched != &button_ && inside(watched, window_))
        stop();
    return false;
}

WavefrontPlayer& makePlayer(Kovril& w) {
    auto* button = new QPushButton(playText, &w);
    button->setObjectName(QStringLiteral("xronosPlay"));
    button->setAccessibleName(QCoreApplication::translate("Accessibility", "Αναπαραγωγή"));
    button->setAccessibleDescription(QCoreApplication::translate(
        "Accessibility", "Κινεί το μέτωπο κύματος ως το τέλος της μπάρας του χρόνου· με δεξί "
                         "κλικ ή Shift+Space στη μπάρα, στο ένα τέταρτο της ταχύτητας."));
    // The keyboard plays from the time bar itself (Space), and a click on the button leaves
    // the focus there.
    button->setFocusPolicy(Qt::NoFocus);
    // The markers stand above every control.
    button->stackUnder(w.controls().shmeio);
    w.controls().xronosPlay = button;
    return *new WavefrontPlayer(w, *button);
}

} // namespace scene
