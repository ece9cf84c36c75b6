// SPDX-License-Identifier: GPL-3.0-or-later
// A path shown on the picture follows a drag of either marker, or of the yellow point's
// thumb, at every move before the release: what a move shows is what a fresh start shows
// that puts the marker there and draws that path; the release draws what it always drew, and
// the whole drag is one step.
#include "support/controls.h"
#include "support/harness.h"

#include <QTest>

namespace {

using harness::Seen;

// The picture and the labels' texts, which a drag under way and its reference share.
struct Shown {
    QImage picture;
    QStringList labels;
    bool operator==(const Shown&) const = default;
};

Shown shown() {
    const Seen all = harness::seen();
    return {all.picture, all.texts.mid(0, 7)};
}

enum class Path { LeastTime, Dropped, Trial };

// A start with the source off the axis, the yellow point at a height and the path of the
// given kind drawn.
harness::Controls startWith(Path path, int yellow = 20) {
    Kovril& w = harness::startProgram();
    const harness::Controls ui = harness::controls(w);
    w.placeSource({-200, 60});
    harness::setScroll(*ui.thesiy, yellow);
    if (path == Path::Trial)
        harness::setScroll(*ui.shmeio_thesi, 25);
    else
        ui.Command1->click();
    if (path == Path::Dropped)
        harness::drag({ui.kyklos->centreX(), ui.kyklos->centreY()}, {-180, 40});
    return ui;
}

QPointF centreOf(const surface::Shape& marker) {
    return {marker.centreX(), marker.centreY()};
}

// Press on a marker and move it in three steps to `to`, without releasing.
void dragUnreleased(const surface::Shape& marker, QPointF to) {
    const QPointF from = centreOf(marker);
    harness::press(from.x(), from.y());
    for (double f : {0.3, 0.7, 1.0})
        harness::moveTo(from.x() + (to.x() - from.x()) * f, from.y() + (to.y() - from.y()) * f);
}

// The thumb held down and slid to a value.
void slideUnreleased(surface::ScrollBar& bar, int value) {
    bar.setSliderDown(true);
    bar.setSliderPosition(bar.valueAt(value) == value ? value : -value);
}

void compare(const Shown& actual, const Shown& expected, const char* where) {
    QVERIFY2(actual.labels == expected.labels,
             qPrintable(QStringLiteral("%1: %2\n  expected %3")
                            .arg(QLatin1String(where), actual.labels.join(QLatin1Char('|')),
                                 expected.labels.join(QLatin1Char('|')))));
    QVERIFY2(actual.picture == expected.picture, where);
}

} // namespace

Q_DECLARE_METATYPE(Path)

class LivePathsTest : public QObject {
    Q_OBJECT
private slots:
    void markerDrag_data() {
        QTest::addColumn<Path>("path");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QPointF>("to");
        QTest::newRow("least time, source") << Path::LeastTime << "kyklos" << QPointF(-150, -30);
        QTest::newRow("least time, blue point") << Path::LeastTime << "shmeio" << QPointF(-40, 35);
        QTest::newRow("dropped, source") << Path::Dropped << "kyklos" << QPointF(-260, 90);
        QTest::newRow("trial, blue point") << Path::Trial << "shmeio" << QPointF(10, -20);
    }
    // During the drag the picture and the labels are those of a fresh start that puts the
    // marker there and draws the path: the least-time path again for a dragged source when
    // the least-time path was shown, else what the release draws.
    void markerDrag() {
        QFETCH(Path, path);
        QFETCH(QString, marker);
        QFETCH(QPointF, to);
        const bool source = marker == QLatin1String("kyklos");
        const bool leastTime = source && path == Path::LeastTime;

        harness::Controls ui = startWith(path);
        const geometry::ActionLog log = scene::form().actionLog();
        const Seen before = harness::seen();
        dragUnreleased(source ? *ui.kyklos : *ui.shmeio, to);
        const Shown during = shown();
        QCOMPARE(scene::form().actionLog(), log);
        QVERIFY(during.picture != before.picture);
        harness::release(to.x(), to.y());
        const Seen released = harness::seen();
        QVERIFY(harness::messages().isEmpty());
        // The whole drag is one step.
        ui.actionUndo->trigger();
        QVERIFY(harness::seen() == before);

        // A fresh start: the marker dropped there, then the same path drawn afresh.
        ui = startWith(path);
        harness::drag(centreOf(source ? *ui.kyklos : *ui.shmeio), to);
        if (leastTime) {
            ui.actionClear->trigger();
            ui.Command1->click();
        }
        compare(during, shown(), "during the drag");

        // Without a path shown nothing follows the drag, and the release draws the same.
        ui = startWith(path);
        harness::setScroll(*ui.arithmosaktinon, 11);
        harness::setScroll(*ui.arithmosaktinon, 10);
        harness::drag(centreOf(source ? *ui.kyklos : *ui.shmeio), to);
        QVERIFY(harness::seen() == released);
    }

    void yellowPointSlide_data() {
        QTest::addColumn<Path>("path");
        QTest::addColumn<int>("value");
        QTest::newRow("least time") << Path::LeastTime << -45;
        QTest::newRow("dropped") << Path::Dropped << 60;
        QTest::newRow("trial") << Path::Trial << 5;
    }
    // The yellow point's thumb moves the shown path to the new point; its release leaves the
    // bare lens, as a change of the bar always has.
    void yellowPointSlide() {
        QFETCH(Path, path);
        QFETCH(int, value);

        harness::Controls ui = startWith(path);
        const Seen before = harness::seen();
        slideUnreleased(*ui.thesiy, value - 7);
        slideUnreleased(*ui.thesiy, value);
        const Shown during = shown();
        ui.thesiy->setSliderDown(false);
        const Seen released = harness::seen();
        ui.actionUndo->trigger();
        QVERIFY(harness::seen() == before);

        // A fresh start at that height, with the same path drawn there; a drop is made again
        // at the new height, after the least-time path that wrote the angles.
        ui = startWith(path, path == Path::Dropped ? 20 : value);
        if (path == Path::Dropped) {
            harness::setScroll(*ui.thesiy, value);
            harness::drag(centreOf(*ui.kyklos), {-170, 40});
            harness::drag(centreOf(*ui.kyklos), {-180, 40});
        }
        compare(during, shown(), "during the slide");

        // The release: the bar's change as it always was.
        ui = startWith(path);
        harness::setScroll(*ui.thesiy, value);
        QVERIFY(harness::seen() == released);
    }

    // A thumb slid through many values, with no path to follow, is one step at its release;
    // undo waits while a thumb or a marker is held.
    void aSlideIsOneStep_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("value");
        QTest::newRow("yellow point") << "thesiy" << 40;
        QTest::newRow("rays") << "arithmosaktinon" << 30;
        QTest::newRow("blue point") << "shmeio_thesi" << -50;
        QTest::newRow("time") << "xronosmetato" << 60;
    }
    void aSlideIsOneStep() {
        QFETCH(QString, bar);
        QFETCH(int, value);
        harness::Controls ui = startWith(Path::LeastTime);
        ui.actionClear->trigger();
        const Seen before = harness::seen();
        auto& slid = *scene::form().findChild<surface::ScrollBar*>(bar);
        for (int step = 1; step <= 4; ++step) {
            slideUnreleased(slid, slid.Value() + (value - slid.Value()) / (5 - step));
            ui.actionUndo->trigger();
        }
        QCOMPARE(int(slid.Value()), value);
        const Seen held = harness::seen();
        QVERIFY(held != before);
        slid.setSliderDown(false);
        QVERIFY2(harness::seen() == held, "the release of a bare slide draws nothing more");
        ui.actionUndo->trigger();
        QVERIFY2(harness::seen() == before, "one undo takes the whole slide back");
        ui.actionRedo->trigger();
        QVERIFY(harness::seen() == held);

        dragUnreleased(*ui.kyklos, {-150, 70});
        const Seen dragging = harness::seen();
        ui.actionUndo->trigger();
        QVERIFY2(harness::seen() == dragging, "undo waits for the release");
        harness::release(-150, 70);
        ui.actionUndo->trigger();
        QVERIFY(harness::seen() == held);
    }
};

QTEST_MAIN(LivePathsTest)
#include "test_live_paths.moc"
