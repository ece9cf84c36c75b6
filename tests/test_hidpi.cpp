// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/harness.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::startProgram(); }

    // The picture is kept at the screen's own resolution and reaches the window pixel for
    // pixel, so lines stay sharp at any pixel ratio: nothing is scaled on the way.
    void windowShowsThePictureUnscaled() {
        Kovril& w = scene::form();
        const qreal dpr = QGuiApplication::primaryScreen()->devicePixelRatio();
        const QImage& picture = w.surface().image();
        QCOMPARE(picture.devicePixelRatio(), dpr);
        const QImage shown = w.grab().toImage().convertToFormat(picture.format());
        QCOMPARE(shown.size(), picture.size());
        // The lens's rear half, its outline and the yellow marker; no control stands there.
        const QRect area(harness::imagePixel(-10, 80), harness::imagePixel(40, -80));
        QCOMPARE(shown.copy(area), picture.copy(area));
    }
};

QTEST_MAIN(HiDpiTest)
#include "test_hidpi.moc"
