// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cmath>

using surface::DrawCall;

namespace {

// Where a press at a scene point arrives: the pixel it falls on, read back in scene units.
QPointF arrival(double x, double y) {
    return scene::form().surface().fromPaint(QPointF(harness::windowPixel(x, y)));
}

// The scene point at the middle of a window pixel.
QPointF pixelMiddle(int px, int py) {
    return scene::form().surface().fromPaint(QPointF(px + 0.5, py + 0.5));
}

surface::Shape& marker(const QString& name) {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    return name == QLatin1String("kyklos") ? *ui.kyklos : *ui.shmeio;
}

QPointF centreOf(const surface::Shape& shape) {
    return {shape.centreX(), shape.centreY()};
}

bool closeTo(QPointF a, QPointF b) {
    return std::abs(a.x() - b.x()) < 1e-3 && std::abs(a.y() - b.y()) < 1e-3;
}

QString otherLabels() {
    const Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    return ui.Label3->text() + '|' + ui.Label4->text() + '|' + ui.Label7->text();
}

double shownTime() {
    const QString text = harness::controls(scene::form()).Label2->text();
    const QString prefix = QStringLiteral("χρόνος = ");
    return text.startsWith(prefix) ? text.mid(prefix.size()).toDouble() : std::nan("");
}

// Air at speed 2 from S to P, then speed 1 from P to T.
double travelTime(QPointF s, QPointF p, geometry::Point t) {
    return std::hypot(p.x() - s.x(), p.y() - s.y()) / 2 + std::hypot(t.x - p.x(), t.y - p.y());
}

} // namespace

class DraggingTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        Kovril& w = harness::startProgram();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-200, 80});
        scene::form().placeBluePoint({-15, 0});
        // Labels with texts of their own, which a drop must leave alone.
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, ui.Command1->geometry().center());
        scene::form().placeBluePoint({-15, 0});
        harness::clearRecord();
    }

    void dropRedrawsThePathAndItsTime_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPointF>("drop");
        QTest::addColumn<int>("thesiy");
        QTest::newRow("source, above the axis") << "kyklos" << QPointF(-120, 40) << 0;
        QTest::newRow("source, below the axis") << "kyklos" << QPointF(-260, -90) << 50;
        QTest::newRow("blue point off the lens") << "shmeio" << QPointF(-60, 40) << -30;
        QTest::newRow("blue point inside the lens") << "shmeio" << QPointF(5, 10) << 0;
        QTest::newRow("blue point behind the lens") << "shmeio" << QPointF(120, -70) << 80;
    }
    void dropRedrawsThePathAndItsTime() {
        QFETCH(QString, name);
        QFETCH(QPointF, drop);
        QFETCH(int, thesiy);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        if (thesiy != 0)
            harness::setScroll(*ui.thesiy, thesiy);
        const QString labels = otherLabels();
        const bool source = name == QLatin1String("kyklos");
        const QPointF start = centreOf(marker(name));
        const QPointF still = centreOf(source ? *ui.shmeio : *ui.kyklos);

        harness::press(start.x(), start.y());
        QCOMPARE(w.input().dragged() == scene::Marker::Source, source);
        QCOMPARE(w.input().dragged() == scene::Marker::BluePoint, !source);
        harness::clearRecord();
        harness::moveTo(drop.x(), drop.y());
        // Only a path shown on the picture, the least-time path here, follows the drag.
        QCOMPARE(harness::drawn().empty(), thesiy != 0);
        const QPointF at = arrival(drop.x(), drop.y());
        QVERIFY(closeTo(centreOf(marker(name)), at));
        harness::clearRecord();
        harness::release(drop.x(), drop.y());

        QVERIFY(w.input().dragged() == scene::Marker::None);
        QVERIFY(closeTo(centreOf(marker(name)), at));
        QVERIFY(closeTo(centreOf(source ? *ui.shmeio : *ui.kyklos), still));
        QVERIFY(!harness::drawn().empty());
        QVERIFY(harness::drawn().front().kind == DrawCall::Kind::Clear);
        const QPointF s = source ? at : still;
        const QPointF p = source ? still : at;
        const geometry::Point t = geometry::Lens::standard().pointBehindRearSurface(thesiy);
        const std::vector<DrawCall> lines = harness::drawnOfKind(DrawCall::Kind::Line);
        QCOMPARE(lines.size(), std::size_t(3)); // the axis, then source -> P -> T
        QVERIFY(closeTo({lines[1].x1, lines[1].y1}, s));
        QVERIFY(closeTo({lines[1].x2, lines[1].y2}, p));
        QCOMPARE(lines[2].x2, t.x);
        QCOMPARE(lines[2].y2, t.y);
        QVERIFY(std::any_of(harness::drawn().begin(), harness::drawn().end(),
                            [](const DrawCall& c) { return c.kind == DrawCall::Kind::Fill; }));
        QVERIFY2(std::abs(shownTime() - travelTime(s, p, t)) <= 0.0051,
                 qPrintable(ui.Label2->text()));
        QCOMPARE(otherLabels(), labels);
    }

    // A press on both markers, where one lies over the other, takes the blue point.
    void bluePointComesFirst() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-15, 0.5});
        harness::press(-15, 0.5);
        QVERIFY(w.input().dragged() == scene::Marker::BluePoint);
        QVERIFY(w.input().dragged() != scene::Marker::Source);
        harness::moveTo(-60, 30);
        harness::release(-60, 30);
        QVERIFY(closeTo(centreOf(*ui.shmeio), arrival(-60, 30)));
        QVERIFY(closeTo(centreOf(*ui.kyklos), {-15, 0.5}));
    }

    void pressOnNothingChangesNothing_data() {
        QTest::addColumn<QPointF>("at");
        QTest::newRow("right of both") << QPointF(150, -100);
        QTest::newRow("just right of the blue point") << QPointF(-10, 0);
    }
    void pressOnNothingChangesNothing() {
        QFETCH(QPointF, at);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const QImage picture = w.surface().image().copy();
        const QString labels = otherLabels() + ui.Label2->text();
        const QPointF source = centreOf(*ui.kyklos);
        const QPointF point = centreOf(*ui.shmeio);
        w.setCursor(Qt::CrossCursor);
        harness::press(at.x(), at.y());
        QVERIFY(w.input().dragged() == scene::Marker::None);
        harness::moveTo(at.x() - 40, at.y() + 20);
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor); // back to the default pointer
        harness::release(at.x() - 40, at.y() + 20);
        QVERIFY(harness::drawn().empty());
        QCOMPARE(w.surface().image(), picture);
        QCOMPARE(otherLabels() + ui.Label2->text(), labels);
        QCOMPARE(centreOf(*ui.kyklos), source);
        QCOMPARE(centreOf(*ui.shmeio), point);
    }

    void releaseWithoutADrag() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const QString labels = otherLabels() + ui.Label2->text();
        const QPointF source = centreOf(*ui.kyklos);
        harness::moveTo(source.x(), source.y()); // no button held: the marker stays
        harness::release(source.x(), source.y());
        QVERIFY(harness::drawn().empty());
        QCOMPARE(otherLabels() + ui.Label2->text(), labels);
        QCOMPARE(centreOf(*ui.kyklos), source);
    }

    // A marker dropped outside the window stays at its edge, where it can be taken again.
    void markerDraggedOutStaysInside_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPointF>("outside"); // in halves of the window's width and height
        QTest::newRow("source, left and below") << "kyklos" << QPointF(-1.3, -1.2);
        QTest::newRow("source, above") << "kyklos" << QPointF(0, 1.5);
        QTest::newRow("source, right") << "kyklos" << QPointF(1.2, -0.1);
        QTest::newRow("blue point, left and below") << "shmeio" << QPointF(-1.3, -1.2);
        QTest::newRow("blue point, above") << "shmeio" << QPointF(0, 1.5);
        QTest::newRow("blue point, right") << "shmeio" << QPointF(1.2, -0.1);
    }
    void markerDraggedOutStaysInside() {
        QFETCH(QString, name);
        QFETCH(QPointF, outside);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        surface::Shape& m = marker(name);
        const double halfWidth = geometry::halfWidth;
        const double halfHeight = geometry::halfHeight;
        const QPointF away(outside.x() * halfWidth, outside.y() * halfHeight);
        const QPoint awayPixel = harness::windowPixel(away.x(), away.y());
        QVERIFY(!w.rect().contains(awayPixel));

        harness::drag(centreOf(m), away);
        const QPointF centre = centreOf(m);
        const QPointF at = arrival(away.x(), away.y());
        const QPointF edge(std::clamp(at.x(), -halfWidth, halfWidth),
                           std::clamp(at.y(), -halfHeight, halfHeight));
        QVERIFY2(closeTo(centre, edge),
                 qPrintable(QStringLiteral("%1, %2").arg(centre.x()).arg(centre.y())));
        QVERIFY(w.input().dragged() == scene::Marker::None);
        const geometry::Point t =
            geometry::Lens::standard().pointBehindRearSurface(ui.thesiy->Value());
        const bool source = name == QLatin1String("kyklos");
        const QPointF other = centreOf(source ? *ui.shmeio : *ui.kyklos);
        const double time = source ? travelTime(edge, other, t) : travelTime(other, edge, t);
        QVERIFY(std::abs(shownTime() - time) <= 0.0051);

        // Take it again at the window pixel nearest its centre.
        const QPointF centrePixel = w.surface().toPaint(centre.x(), centre.y());
        const QPointF grip = pixelMiddle(std::clamp(int(centrePixel.x()), 1, w.width() - 2),
                                         std::clamp(int(centrePixel.y()), 1, w.height() - 2));
        harness::press(grip.x(), grip.y());
        QCOMPARE(w.input().dragged(), source ? scene::Marker::Source : scene::Marker::BluePoint);
        harness::moveTo(-150, -60);
        harness::release(-150, -60);
        QVERIFY(closeTo(centreOf(m), arrival(-150, -60)));
    }
};

QTEST_MAIN(DraggingTest)
#include "test_dragging.moc"
