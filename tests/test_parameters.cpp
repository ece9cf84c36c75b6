// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QTest>

using harness::colourAt;

namespace {
const QColor yellow(255, 255, 0);
const QColor lensColour(150, 150, 80);

// The last circle of radius 1.5 drawn: the yellow marker.
const surface::DrawCall* lastMarker() {
    const surface::DrawCall* found = nullptr;
    for (const surface::DrawCall& call : harness::drawn())
        if (call.kind == surface::DrawCall::Kind::Circle && call.radius == 1.5)
            found = &call;
    return found;
}
} // namespace

class ParametersTest : public QObject {
    Q_OBJECT
private slots:
    void init() { harness::startProgram(); }

    void thesiyMovesTheMarker_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("label");
        QTest::newRow("top") << 99 << QStringLiteral("ψ κίτρινο= 99");
        QTest::newRow("bottom") << -99 << QStringLiteral("ψ κίτρινο= -99");
        QTest::newRow("axis") << 0 << QStringLiteral("ψ κίτρινο= 0");
        QTest::newRow("middle") << -12 << QStringLiteral("ψ κίτρινο= -12");
    }
    void thesiyMovesTheMarker() {
        QFETCH(int, value);
        QFETCH(QString, label);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        if (value == 0)
            harness::setScroll(*ui.thesiy, 5); // so that 0 is a change
        harness::clearRecord();
        harness::setScroll(*ui.thesiy, value);
        QCOMPARE(ui.Label1->text(), label);
        const surface::DrawCall* marker = lastMarker();
        QVERIFY(marker);
        const geometry::Point m = geometry::Lens::standard().rearSurfacePoint(value);
        QCOMPARE(marker->x1, m.x);
        QCOMPARE(marker->y1, m.y);
        QCOMPARE(marker->drawWidth, 2);
        QVERIFY(marker->filled);
        QCOMPARE(colourAt(m.x, m.y), yellow);
        QCOMPARE(colourAt(0, 0), lensColour);
        QCOMPARE(w.surface().DrawWidth, 1);
        QCOMPARE(w.surface().FillColor, lensColour);
        QVERIFY(w.surface().FillStyle == surface::FillMode::Solid);
    }

    void markerOnTheAxisSitsOnTheRearVertex() {
        const geometry::Point m = geometry::Lens::standard().rearSurfacePoint(0);
        QCOMPARE(m.x, 15.0);
        QCOMPARE(m.y, 0.0);
        const geometry::Point top = geometry::Lens::standard().rearSurfacePoint(99);
        QVERIFY(top.y > geometry::lensHalfHeight); // above the upper rim, outside the lens
    }

    void arithmosaktinonShowsTheNumber_data() {
        QTest::addColumn<int>("value");
        QTest::newRow("fewest") << 2;
        QTest::newRow("most") << 100;
        QTest::newRow("some") << 25;
    }
    void arithmosaktinonShowsTheNumber() {
        QFETCH(int, value);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.arithmosaktinon, value);
        QCOMPARE(ui.Label5->text(), QStringLiteral("αριθμός σημείων =") + QString::number(value));
        QCOMPARE(colourAt(0, 0), lensColour);
    }

    void aChangeLeavesOnlyTheScene() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.thesiy, 20);
        const QImage scene = w.surface().image().copy();
        w.surface().Line(-200, -100, 200, 100, Qt::blue); // a path drawn by a button
        QVERIFY(w.surface().image() != scene);
        harness::setScroll(*ui.arithmosaktinon, 30);
        QCOMPARE(w.surface().image(), scene);
        harness::setScroll(*ui.thesiy, 19);
        harness::setScroll(*ui.thesiy, 20);
        QCOMPARE(w.surface().image(), scene);
    }

    void redrawingTwiceGivesTheSamePicture() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.thesiy, -40);
        const QImage first = w.surface().image().copy();
        w.thesiy_Change();
        QCOMPARE(w.surface().image(), first);
    }

    void otherLabelsAreLeftAlone() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.thesiy, 33);
        QCOMPARE(ui.Label7->text(), QStringLiteral("ψ blue = 0"));
        QCOMPARE(ui.Label6->text(), QStringLiteral("Χρονος=5"));
        QCOMPARE(ui.Label5->text(), QStringLiteral("αριθμός σημείων =10"));
    }
};

QTEST_MAIN(ParametersTest)
#include "test_parameters.moc"
