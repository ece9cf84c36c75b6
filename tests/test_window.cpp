// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/helpers.h"
#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/kovril.h"
#include "support/controls.h"
#include "support/harness.h"
#include "surface/caption_layout.h"
#include "surface/format.h"

#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <cmath>

namespace {

// Everything a student reads off the window: the picture and the seven labels.
struct Shown {
    QImage picture;
    QStringList labels;
};

Shown shown() {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    return {w.surface().image(),
            {ui.Label1->text(), ui.Label2->text(), ui.Label3->text(), ui.Label4->text(),
             ui.Label5->text(), ui.Label6->text(), ui.Label7->text()}};
}

QPointF centreOf(const surface::Shape& shape) {
    return {shape.centreX(), shape.centreY()};
}

// A mouse event at a window position between pixels, straight to the window.
void sendMouse(Kovril& w, QEvent::Type type, QPointF at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, w.mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

// The scene point at the centre of a control.
QPointF sceneCentreOf(const QWidget& control) {
    return scene::form().surface().fromPaint(QRectF(control.geometry()).center());
}

bool closeTo(QPointF a, QPointF b) {
    return std::abs(a.x() - b.x()) < 1e-4 && std::abs(a.y() - b.y()) < 1e-4;
}

// A state to draw from: the source, the yellow point and the ray count moved away from
// their start, each through its own event; the source by the keys, so that it stands at
// the same scene point whatever the window's size.
void prepareScene() {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    scene::form().placeSource({-211, 55});
    ui.kyklos->setFocus();
    QTest::keyClick(w.windowHandle(), Qt::Key_Right);
    harness::setScroll(*ui.thesiy, 20);
    harness::setScroll(*ui.arithmosaktinon, 14);
}

bool isLensColour(QColor c) {
    return c == QColor(150, 150, 80);
}

bool isRed(QColor c) {
    return c == QColor(255, 0, 0);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }
    void init() { harness::startProgram(); }

    // After a resize the same actions drawn on the new frame give the same picture and
    // texts as the same actions done at that size from a fresh start.
    void aResizeDrawsTheSamePictureOnTheNewFrame_data() {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QSize>("size");
        QTest::newRow("beam, smaller") << QStringList{"Command2"} << QSize(1000, 700);
        QTest::newRow("wavelets, wider") << QStringList{"Command3"} << QSize(1150, 640);
        QTest::newRow("continued beam") << QStringList{"Command5"} << QSize(900, 760);
        QTest::newRow("least time") << QStringList{"Command1"} << QSize(1000, 700);
        QTest::newRow("continued ray") << QStringList{"Command4"} << QSize(1000, 700);
        // The wavelets leave the fill transparent: the picture drawn again must start from
        // the state the first drawing started from, not from the one the last left.
        QTest::newRow("wavelets, then the beam")
            << QStringList{"Command3", "Command2"} << QSize(1000, 700);
        QTest::newRow("wavelets, then the least time")
            << QStringList{"Command3", "Command1"} << QSize(1150, 640);
        // Straight after start-up the picture drawn again starts from the first picture.
        QTest::newRow("wavelets on the first picture")
            << QStringList{"start", "Command3"} << QSize(1000, 700);
    }
    void aResizeDrawsTheSamePictureOnTheNewFrame() {
        QFETCH(QStringList, buttons);
        QFETCH(QSize, size);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const bool fromTheStart = buttons.front() == QLatin1String("start");
        if (fromTheStart)
            buttons.removeFirst();
        else
            prepareScene();
        for (const QString& button : buttons)
            w.findChild<QPushButton*>(button)->click();
        const QPointF source = centreOf(*ui.kyklos);
        const QPointF bluePoint = centreOf(*ui.shmeio);
        harness::resizeTo(size);
        QCOMPARE(w.size(), size);
        const Shown resized = shown();
        QVERIFY(closeTo(centreOf(*ui.kyklos), source));
        QVERIFY(closeTo(centreOf(*ui.shmeio), bluePoint));
        QCOMPARE(ui.thesiy->Value(), fromTheStart ? 0 : 20);
        QCOMPARE(ui.arithmosaktinon->Value(), fromTheStart ? 10 : 14);
        QCOMPARE(resized.picture.size(), size * w.devicePixelRatioF());

        harness::startProgram();
        harness::resizeTo(size);
        if (fromTheStart)
            scene::form().placeSource({source.x(), source.y()});
        else
            prepareScene();
        for (const QString& button : buttons)
            scene::form().findChild<QPushButton*>(button)->click();
        const Shown fresh = shown();
        QCOMPARE(resized.labels, fresh.labels);
        QVERIFY(resized.picture == fresh.picture);
    }

    // The lens at the new centre, the axis across the whole new width.
    void aResizeCentresTheLens() {
        Kovril& w = scene::form();
        harness::resizeTo({1000, 640});
        const QImage& picture = w.surface().image();
        QVERIFY(isLensColour(picture.pixelColor(picture.width() / 2, picture.height() / 2)));
        const int axisRow = harness::imagePixel(0, 0).y();
        QCOMPARE(axisRow, picture.height() / 2);
        QVERIFY(isRed(picture.pixelColor(0, axisRow)));
        QVERIFY(isRed(picture.pixelColor(picture.width() - 1, axisRow)));
        QCOMPARE(geometry::widthFrac, float(1000.0 / 1640));
    }

    // Shown again on a new frame, a picture says nothing it said before.
    void aResizeShowsNoMessageAgain() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        // A ray that leaves upwards above the axis: the continuation says so.
        scene::form().placeSource({-100, -150});
        harness::setScroll(*ui.thesiy, 60);
        ui.Command4->click();
        const qsizetype told = harness::messages().size();
        QVERIFY(told > 0);
        harness::resizeTo({1000, 700});
        QCOMPARE(harness::messages().size(), told);
    }

    // A marker that would lie outside the smaller window comes back inside it.
    void aMarkerOutsideTheSmallerWindowIsClampedIntoIt() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::drag(centreOf(*ui.kyklos), {-geometry::halfWidth + 2, 0});
        harness::resizeTo({800, 600});
        QVERIFY(std::abs(ui.kyklos->centreX()) <= geometry::halfWidth);
        QVERIFY(std::abs(ui.kyklos->centreY()) <= geometry::halfHeight);
    }

    // The window keeps a size at which the controls leave the lens free.
    void aTinyWindowKeepsItsMinimum() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.Command5->click();
        harness::resizeTo({300, 200});
        QVERIFY(w.width() >= 800 && w.height() >= 600);
        QCOMPARE(w.surface().image().size(), w.size() * w.devicePixelRatioF());
    }

    // A press beside a marker, even in its band, grabs nothing: the picture and the
    // labels stay as they are.
    void aClickBesideAMarkerChangesNothing_data() {
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<QString>("marker");
        QTest::newRow("left of the blue point, on the axis") << QPointF(-30, 0) << "shmeio";
        QTest::newRow("left of the source") << QPointF(-25, 0) << "kyklos";
        QTest::newRow("just above the source") << QPointF(0, 8) << "kyklos";
    }
    void aClickBesideAMarkerChangesNothing() {
        QFETCH(QPointF, offset);
        QFETCH(QString, marker);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-150, 60}); // where no control stands on any screen
        ui.Command2->click();
        const Shown before = shown();
        const auto* shape = w.findChild<surface::Shape*>(marker);
        const QPointF at = centreOf(*shape) + offset;
        harness::press(at.x(), at.y());
        QVERIFY(w.input().dragged() == scene::Marker::None);
        harness::release(at.x(), at.y());
        QVERIFY(shown().picture == before.picture);
        QCOMPARE(shown().labels, before.labels);
    }

    // A press on a marker and a release without a drag change nothing either.
    void aClickOnAMarkerChangesNothing() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.Command2->click();
        const Shown before = shown();
        const QPointF source = centreOf(*ui.kyklos);
        harness::press(source.x(), source.y());
        QVERIFY(w.input().dragged() == scene::Marker::Source);
        harness::release(source.x(), source.y());
        QVERIFY(w.input().dragged() != scene::Marker::Source);
        QVERIFY(shown().picture == before.picture);
        QCOMPARE(shown().labels, before.labels);
        QCOMPARE(centreOf(*ui.kyklos), source);
    }

    // A source dropped on a button is taken again there, and the button never fires.
    void aSourceDroppedOnAButtonCanBeTakenAgain() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        int clicks = 0;
        connect(ui.Command2, &QPushButton::clicked, this, [&clicks] { ++clicks; });
        const QPointF onButton = sceneCentreOf(*ui.Command2);
        harness::drag(centreOf(*ui.kyklos), onButton);
        QVERIFY(std::hypot(ui.kyklos->centreX() - onButton.x(),
                           ui.kyklos->centreY() - onButton.y()) < 1);

        harness::drag(centreOf(*ui.kyklos), {-200, 40});
        QCOMPARE(clicks, 0);
        const geometry::Point t =
            geometry::Lens::standard().pointBehindRearSurface(ui.thesiy->Value());
        const double time = geometry::pathTime(geometry::Lens::standard(), ui.kyklos->centreX(),
                                               ui.kyklos->centreY(), ui.shmeio->centreX(),
                                               ui.shmeio->centreY(), t.x, t.y);
        QCOMPARE(ui.Label2->text(), QStringLiteral("χρόνος = ") + surface::Format(time, "0.00"));
    }

    // Each arrow key on the focused source is a drop where it lands: the same picture and
    // labels as the mouse dropping it there.
    void theKeysMoveTheSourceAsADropWould() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const QPointF start = centreOf(*ui.kyklos);
        ui.kyklos->setFocus();
        QTest::keyClick(w.windowHandle(), Qt::Key_Right);
        QTest::keyClick(w.windowHandle(), Qt::Key_Right);
        QTest::keyClick(w.windowHandle(), Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(w.windowHandle(), Qt::Key_Left);
        const QPointF moved = centreOf(*ui.kyklos);
        QVERIFY(std::abs(moved.x() - (start.x() + 1)) < 1e-3);
        QVERIFY(std::abs(moved.y() - (start.y() + 10)) < 1e-3);
        QVERIFY(ui.kyklos->accessibleDescription().contains(QStringLiteral("x = ") +
                                                            surface::Format(moved.x(), "0")));
        const Shown byKeys = shown();

        // The same drop with the mouse, its events placed exactly rather than on whole pixels.
        Kovril& again = harness::startProgram();
        const surface::Surface& s = again.surface();
        sendMouse(again, QEvent::MouseButtonPress, s.toPaint(start.x(), start.y()));
        sendMouse(again, QEvent::MouseMove, s.toPaint(start.x() + 30, start.y() - 30));
        sendMouse(again, QEvent::MouseMove, s.toPaint(moved.x(), moved.y()));
        sendMouse(again, QEvent::MouseButtonRelease, s.toPaint(moved.x(), moved.y()));
        QCOMPARE(shown().labels, byKeys.labels);
        QVERIFY(shown().picture == byKeys.picture);
    }

    // With no background of its own, an empty label shows the picture under it.
    void anEmptyLabelShowsThePictureUnderIt() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QVERIFY(ui.Label3->text().isEmpty());
        surface::Surface& s = w.surface();
        const QRectF area = ui.Label3->geometry();
        const QPointF from = s.fromPaint(area.topLeft());
        const QPointF to = s.fromPaint(area.bottomRight());
        s.DrawWidth = 5;
        s.Line(from.x(), from.y(), to.x(), to.y(), QColor(0, 0, 255));
        s.DrawWidth = 1;
        w.update();
        const qreal dpr = w.devicePixelRatioF();
        const QImage window = w.grab().toImage().convertToFormat(s.image().format());
        const QRect pixels(area.topLeft().toPoint() * dpr, area.size().toSize() * dpr);
        QVERIFY(window.copy(pixels) == s.image().copy(pixels));
    }

    void theMenuClearsToTheBareLens() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.actionClear->trigger();
        const QImage bare = w.surface().image();
        ui.Command5->click();
        QVERIFY(w.surface().image() != bare);
        QTest::keyClick(w.windowHandle(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(w.surface().image() == bare);
        QCOMPARE(ui.menuButton->accessibleName(), QStringLiteral("Μενού"));
        const QList<QAction*> entries = ui.menuButton->menu()->actions();
        for (QAction* action : {ui.actionClear, ui.actionFullScreen, ui.actionQuit})
            QVERIFY(entries.contains(action));
    }

    void f11AndEscSwitchFullScreen() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QTest::keyClick(w.windowHandle(), Qt::Key_F11);
        QTRY_VERIFY(w.isFullScreen());
        QVERIFY(ui.actionFullScreen->isChecked());
        w.applyPendingLayout();
        QCOMPARE(w.surface().image().size(), w.size() * w.devicePixelRatioF());
        QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!w.isFullScreen());
        QVERIFY(!ui.actionFullScreen->isChecked());
        QTest::keyClick(w.windowHandle(), Qt::Key_F11);
        QTRY_VERIFY(w.isFullScreen());
        QTest::keyClick(w.windowHandle(), Qt::Key_F11);
        QTRY_VERIFY(!w.isFullScreen());
    }

    void ctrlQQuits() {
        QPointer<Kovril> w = &scene::form();
        QTest::keyClick(w->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(w.isNull());
    }

    // Whatever the labels show, it fits their boxes at the window's size, and so does every
    // button's caption.
    void textsFitTheirBoxes_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("least-time angles")
            << "Label3" << QStringLiteral("πρόσπτωσης= -88.88 διάθλασης= -88.88");
        QTest::newRow("continued angles")
            << "Label3" << QStringLiteral("προσπτωσης =88.88 διάθλασης =88.88");
        QTest::newRow("total reflection")
            << "Label1" << QStringLiteral("ολική ανάκλαση     ορική = 30.00");
        QTest::newRow("yellow point") << "Label1" << QStringLiteral("ψ κίτρινο= -99");
        QTest::newRow("time") << "Label2" << QStringLiteral("χρόνος = 888.88");
        QTest::newRow("index") << "Label4" << QStringLiteral("δείκτης = -888.888");
        QTest::newRow("blue point") << "Label7" << QStringLiteral("ψ blue = -99.9");
        QTest::newRow("rays") << "Label5" << QStringLiteral("αριθμός σημείων =100");
        QTest::newRow("time value") << "Label6" << QStringLiteral("Χρονος=100");
        for (const char* button :
             {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"})
            QTest::newRow(button) << button << QString();
    }
    void textsFitTheirBoxes() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        Kovril& w = scene::form();
        auto* label = w.findChild<QLabel*>(control);
        if (label) {
            const surface::CaptionLayout layout =
                surface::layOutCaption(text, label->font(), label->contentsRect().size(),
                                       surface::CaptionBreaks::BetweenQuantities);
            QVERIFY2(layout.fits, qPrintable(layout.lines.join(QLatin1Char('/'))));
            // A name never stands on another line than its value.
            for (const QString& line : layout.lines)
                QVERIFY2(!line.endsWith(QLatin1Char('=')), qPrintable(line));
            return;
        }
        auto* button = w.findChild<QPushButton*>(control);
        const QRect area = button->rect().adjusted(6, 4, -6, -4);
        const surface::CaptionLayout layout = surface::layOutCaption(
            button->text(), button->font(), area.size(), surface::CaptionBreaks::BetweenWords);
        QVERIFY2(layout.fits, qPrintable(layout.lines.join(QLatin1Char('/'))));
    }

    // A label breaks only between quantities, never between a name and its value.
    void labelsBreakOnlyBetweenQuantities() {
        const QFont font(QStringLiteral("DejaVu Sans"), 14);
        const QFontMetricsF metrics(font);
        const double wider =
            std::max(metrics.horizontalAdvance(QStringLiteral("προσπτωσης =28.50")),
                     metrics.horizontalAdvance(QStringLiteral("διάθλασης =72.60"))) +
            4;
        const surface::CaptionLayout layout =
            surface::layOutCaption(QStringLiteral("προσπτωσης =28.50 διάθλασης =72.60"), font,
                                   QSizeF(wider, 200), surface::CaptionBreaks::BetweenQuantities);
        QCOMPARE(layout.lines, QStringList({QStringLiteral("προσπτωσης =28.50"),
                                            QStringLiteral("διάθλασης =72.60")}));
        QCOMPARE(layout.font.pointSizeF(), 14.0);
        // Too narrow even for one quantity: the font shrinks, the text stays whole.
        const double whole = metrics.horizontalAdvance(QStringLiteral("χρόνος = 119.92"));
        const surface::CaptionLayout shrunk =
            surface::layOutCaption(QStringLiteral("χρόνος = 119.92"), font, QSizeF(whole * 0.8, 40),
                                   surface::CaptionBreaks::BetweenQuantities);
        QVERIFY(shrunk.fits);
        QVERIFY(shrunk.font.pointSizeF() < 14 && shrunk.font.pointSizeF() >= 14 * 0.6);
        QCOMPARE(shrunk.lines, QStringList{QStringLiteral("χρόνος = 119.92")});
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
