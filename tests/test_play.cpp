// SPDX-License-Identifier: GPL-3.0-or-later
// The play button moves the wavefront along the time bar and gives the bar back to the
// student as soon as anything else is touched.
#include "scene/play.h"
#include "scene/scene_io.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

scene::WavefrontPlayer& player() {
    return *harness::controls(scene::form()).player;
}

QImage picture() {
    return scene::form().surface().image().copy();
}

// The number at the end of Label6's text.
int labelTime() {
    const QString text = harness::controls(scene::form()).Label6->text();
    qsizetype digits = text.size();
    while (digits > 0 && text[digits - 1].isDigit())
        --digits;
    return text.mid(digits).toInt();
}

bool waitUntilStopped(int milliseconds) {
    return QTest::qWaitFor([] { return !player().playing(); }, milliseconds);
}

// The picture the time bar's own change draws at the bar's value, on the picture now shown.
QImage drawnByTheBar() {
    Kovril& w = scene::form();
    w.xronosmetato_Change();
    return picture();
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Kovril& w = harness::startProgram();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.arithmosaktinon, 12);
        harness::setScroll(*ui.xronosmetato, 10);
    }

    void buttonStandsBesideTheBar() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QCOMPARE(ui.xronosPlay->objectName(), QStringLiteral("xronosPlay"));
        QCOMPARE(ui.xronosPlay->text(), QStringLiteral("▶"));
        QVERIFY(!ui.xronosPlay->accessibleName().isEmpty());
        const QRect bar = ui.xronosmetato->geometry();
        const QRect button = ui.xronosPlay->geometry();
        QVERIFY(!button.intersects(bar));
        QVERIFY(std::abs(button.right() - bar.left()) <= 4);
        QCOMPARE(button.top(), bar.top());
    }

    void advancesAndPausesWhereTheBarShows() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
        QVERIFY(player().playing());
        QCOMPARE(ui.xronosPlay->text(), QStringLiteral("❚❚"));
        QTest::qWait(600);
        const double time = player().time();
        QVERIFY2(time > 10, qPrintable(QString::number(time)));
        // While it plays the bar and Label6 show the whole number the picture has passed.
        QCOMPARE(int(ui.xronosmetato->Value()), int(std::floor(time)));
        QCOMPARE(labelTime(), int(ui.xronosmetato->Value()));

        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
        QVERIFY(!player().playing());
        QCOMPARE(ui.xronosPlay->text(), QStringLiteral("▶"));
        const int paused = ui.xronosmetato->Value();
        QCOMPARE(player().time(), double(paused));
        QCOMPARE(labelTime(), paused);
        const QImage shown = picture();
        QTest::qWait(100);
        QCOMPARE(int(ui.xronosmetato->Value()), paused);
        QCOMPARE(drawnByTheBar(), shown);

        // Playing again goes on from there.
        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
        QVERIFY(player().playing());
        QVERIFY(player().time() >= paused && player().time() < paused + 1);
        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
    }

    void stopsAtTheMaximumAndStartsAgainFromTheMinimum() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.xronosmetato, 98);
        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
        QVERIFY(waitUntilStopped(scene::WavefrontPlayer::secondsToMaximum * 1000 + 3000));
        QCOMPARE(int(ui.xronosmetato->Value()), 100);
        QCOMPARE(labelTime(), 100);
        QCOMPARE(ui.xronosPlay->text(), QStringLiteral("▶"));
        const QImage atTheEnd = picture();
        QCOMPARE(drawnByTheBar(), atTheEnd);

        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
        QVERIFY(player().playing());
        QVERIFY2(player().time() < 6, qPrintable(QString::number(player().time())));
        QVERIFY(ui.xronosmetato->Value() < 6);
        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
    }

    // Saving in the middle of play stops it first: the scene keeps no play, and opens at the
    // whole number the bar showed, as the picture the pause snapped to.
    void aSceneSavedWhilePlayingHoldsThePausedPicture() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.Command5->click();
        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return ui.xronosmetato->Value() >= 14; }, 5000));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("playing.kovril"));
        scene::setFileChooser([&](scene::FileChoice) { return path; });
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        scene::setFileChooser({});
        QVERIFY(!player().playing());
        QVERIFY(QFile::exists(path));
        const int shown = ui.xronosmetato->Value();
        const QImage paused = picture();

        Kovril& fresh = harness::startProgram();
        QVERIFY(fresh.openSceneFile(path));
        QVERIFY(!player().playing());
        QCOMPARE(int(harness::controls(fresh).xronosmetato->Value()), shown);
        QCOMPARE(labelTime(), shown);
        QCOMPARE(picture(), paused);
    }

    void spaceOnTheBarPlaysAndShiftPlaysSlower() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.xronosmetato->setFocus();
        const double fullPerMillisecond =
            (ui.xronosmetato->maximum() - 10) / (scene::WavefrontPlayer::secondsToMaximum * 1000.0);

        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(ui.xronosmetato, Qt::Key_Space, Qt::ShiftModifier);
        QVERIFY(player().playing());
        QTest::qWait(400);
        const double slow = player().time() - 10;
        const double bound = fullPerMillisecond * double(clock.elapsed()) / 2;
        QVERIFY2(slow > 0 && slow < bound,
                 qPrintable(QStringLiteral("%1 in %2 ms").arg(slow).arg(clock.elapsed())));
        QTest::keyClick(ui.xronosmetato, Qt::Key_Space);
        QVERIFY(!player().playing());
        QCOMPARE(int(ui.xronosmetato->Value()), 10 + int(std::floor(slow)));

        QTest::keyClick(ui.xronosmetato, Qt::Key_Space);
        QVERIFY(player().playing());
        QTest::keyClick(ui.xronosmetato, Qt::Key_Space);
        QVERIFY(!player().playing());
    }

    void rightClickPlaysAtAQuarterOfTheSpeed() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QElapsedTimer clock;
        clock.start();
        QTest::mousePress(ui.xronosPlay, Qt::RightButton);
        QTest::mouseRelease(ui.xronosPlay, Qt::RightButton);
        QVERIFY(player().playing());
        QTest::qWait(400);
        const double full =
            (ui.xronosmetato->maximum() - 10) / (scene::WavefrontPlayer::secondsToMaximum * 1000.0);
        QVERIFY(player().time() - 10 < full * double(clock.elapsed()) / 2);
        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
        QVERIFY(!player().playing());
    }

    // Another control, a key on another control or a press on the picture stops the play
    // before it acts; the arrow keys on the bar still step one unit.
    void anythingElseStopsItFirst_data() {
        QTest::addColumn<int>("what");
        QTest::newRow("a button") << 0;
        QTest::newRow("a key on another bar") << 1;
        QTest::newRow("a press on the picture") << 2;
        QTest::newRow("an arrow on the time bar") << 3;
    }
    void anythingElseStopsItFirst() {
        QFETCH(int, what);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QTest::mouseClick(ui.xronosPlay, Qt::LeftButton);
        QTest::qWait(200);
        QVERIFY(player().playing());
        switch (what) {
        case 0:
            QTest::mouseClick(ui.Command2, Qt::LeftButton);
            break;
        case 1:
            QTest::keyClick(ui.thesiy, Qt::Key_Up);
            break;
        case 2:
            harness::press(-300, -100);
            harness::release(-300, -100);
            break;
        case 3: {
            QTest::keyClick(ui.xronosmetato, Qt::Key_Right);
            QVERIFY(!player().playing());
            const int stepped = ui.xronosmetato->Value();
            QCOMPARE(labelTime(), stepped);
            QTest::keyClick(ui.xronosmetato, Qt::Key_Right);
            QCOMPARE(int(ui.xronosmetato->Value()), stepped + 1);
            QCOMPARE(labelTime(), stepped + 1);
            break;
        }
        }
        QVERIFY(!player().playing());
        QCOMPARE(ui.xronosPlay->text(), QStringLiteral("▶"));
        QCOMPARE(labelTime(), int(ui.xronosmetato->Value()));
    }
};

QTEST_MAIN(PlayTest)
#include "test_play.moc"
