// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <random>
#include <vector>

// A seeded stream of the events a student can give the window: scroll bars moved with the
// keys, by clicks on their arrows and trough and by their thumb; button clicks; either marker
// dragged anywhere, inside the window or out of it, and onto the places where the optics has
// its special cases. The same seed on the same screen gives the same events, so any failure
// can be replayed from its seed and the number of its event.
namespace events {

struct Event {
    enum class Kind { Key, BarClick, Slide, Click, Drag };
    Kind kind = Kind::Click;
    QString control;           // the bar, the button or the marker, by its objectName
    int key = 0;               // Key: pressed while the bar has the focus
    QPoint pixel;              // BarClick: where on the bar, in its own pixels
    int position = 0;          // Slide: the thumb's place in Qt's range of the bar
    std::vector<QPointF> path; // Drag: press, moves and release, in scene units
    QString aim;               // Drag: what the drop aims at

    // One line for a person replaying a failure.
    QString describe() const;
};

class Generator {
public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}
    // The next event, chosen for the window as it stands now.
    Event next();

private:
    Event key();
    Event barClick();
    Event slide();
    Event click();
    Event drag();
    QPointF dropPoint(QString& aim);
    QString anyBar();
    int below(int n); // uniform in [0, n)
    double between(double low, double high);
    bool chance(double p);

    std::mt19937_64 random_;
};

// Gives the event to the real window through Qt's test functions.
void send(const Event& event);

// Drags run far outside the window on purpose; this drops QTest's warning about each such
// mouse event and passes every other message on.
void silenceOutsideWarnings();

} // namespace events
