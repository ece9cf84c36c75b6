// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class Kovril;
class QPushButton;

namespace scene {

// Plays the wavefront: from the time bar's value to its maximum in about four seconds, drawn
// at every frame of a 60 Hz clock at fractional times. The bar and Label6 follow each whole
// number as it passes, without their own redraw; on a pause or at the end the picture snaps
// to the whole number the bar shows. Space on the bar or a click on the button plays and
// pauses; Shift+Space or a right-click plays at a quarter of the speed. Any other control, a
// key elsewhere or a drag stops it first.
class WavefrontPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int secondsToMaximum = 4;

    WavefrontPlayer(Kovril& window, QPushButton& button);
    bool playing() const { return timer_.isActive(); }
    // The time the picture shows, between whole numbers while it plays.
    double time() const { return time_; }
    // Plays from the bar's value (from its minimum when it stands at the maximum) at the
    // given share of the normal speed, or pauses if it is playing.
    void toggle(double pace);
    // Pauses and shows the whole number on the bar.
    void stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void frame();

    Kovril& window_;
    QPushButton& button_;
    QTimer timer_;
    QElapsedTimer clock_;
    double from_ = 0;
    double perMillisecond_ = 0;
    double time_ = 0;
};

// Creates the play button beside the time bar and its player.
WavefrontPlayer& makePlayer(Kovril& window);

} // namespace scene
