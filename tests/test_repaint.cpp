// SPDX-License-Identifier: GPL-3.0-or-later
// The window repaints only what a change touched. What the screen shows after each event
// must still be the whole window drawn afresh: a stale pixel anywhere is a fault. (The
// offscreen screen grabs in logical pixels, so only screens of pixel ratio 1 compare exactly.)
#include "scene/kovril.h"
#include "support/event_sequence.h"
#include "support/harness.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

namespace {

// What the window's backing store holds: the pixels on the screen.
QImage onScreen(Kovril& w) {
    return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The window and its controls painted anew into an image.
QImage drawnAfresh(Kovril& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return QStringLiteral("sizes %1x%2 and %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("pixel %1,%2").arg(x).arg(y);
    return {};
}

} // namespace

class RepaintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        events::silenceOutsideWarnings();
        Kovril& w = harness::startProgram();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }

    void theScreenIsTheWholeWindowAfterEveryEvent() {
        Kovril& w = scene::form();
        events::Generator generator(5);
        for (int i = 0; i < 160; ++i) {
            const events::Event event = generator.next();
            events::send(event);
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            QApplication::processEvents();
            const QString difference = firstDifference(onScreen(w), drawnAfresh(w));
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("after event %1 (%2): %3")
                                                          .arg(i)
                                                          .arg(event.describe(), difference)));
        }
    }
};

QTEST_MAIN(RepaintTest)
#include "test_repaint.moc"
