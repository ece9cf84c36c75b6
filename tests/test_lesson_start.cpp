// SPDX-License-Identifier: GPL-3.0-or-later
// «Αρχή μαθήματος» gives one scene whatever the screen, as a step that can be undone; a clear
// takes a construction's numbers away with its drawing.
#include "print/page_job.h"
#include "scene/kovril.h"
#include "support/controls.h"
#include "support/event_sequence.h"
#include "support/harness.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

QAction& action(const char* name) {
    auto* found = scene::form().findChild<QAction*>(QLatin1String(name));
    if (!found)
        qFatal("no action %s", name);
    return *found;
}

// A lesson's worth of changes: another lens, the source moved, every bar moved, a path, a
// beam and the object.
void changeEverything() {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    geometry::LensGiven glass = geometry::Lens::standard().given();
    glass.speedInside = glass.speedOutside / 1.5F;
    w.lens_Change(glass);
    w.placeSource({-120, -40});
    harness::setScroll(*ui.thesiy, 30);
    harness::setScroll(*ui.arithmosaktinon, 25);
    harness::setScroll(*ui.xronosmetato, 40);
    ui.Command1->click();
    harness::setScroll(*ui.shmeio_thesi, 20);
    ui.Command2->click();
    action("actionObject").trigger();
    action("actionRuler").trigger();
}

} // namespace

class LessonStartTest : public QObject {
    Q_OBJECT
    QTemporaryDir pages;

private slots:
    void initTestCase() {
        events::silenceOutsideWarnings();
        print::directPagesTo(pages.filePath(QStringLiteral("page.pdf")));
    }
    void init() { harness::startProgram(); }

    // The numbers are the same on every screen this test runs on, unlike start-up's source.
    void resetGivesTheLessonStart() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        changeEverything();
        action("actionReset").trigger();

        const geometry::SceneState& scene = w.state();
        QVERIFY(scene.lens == geometry::Lens::standard());
        QVERIFY2(
            std::abs(scene.source.x + 200) < 1e-3 && std::abs(scene.source.y - 50) < 1e-3,
            qPrintable(QStringLiteral("source at %1, %2").arg(scene.source.x).arg(scene.source.y)));
        QVERIFY(std::abs(scene.bluePoint.x + 15) < 1e-3 && std::abs(scene.bluePoint.y) < 1e-3);
        QVERIFY(scene.blueOnSurface);
        QCOMPARE(QList<int>({ui.thesiy->Value(), ui.shmeio_thesi->Value(),
                             ui.arithmosaktinon->Value(), ui.xronosmetato->Value()}),
                 QList<int>({0, 0, 10, 5}));
        QCOMPARE(QList<int>(
                     {scene.thesiy, scene.shmeio_thesi, scene.arithmosaktinon, scene.xronosmetato}),
                 QList<int>({0, 0, 10, 5}));
        QVERIFY(!scene.object);
        QVERIFY(!scene.tools.ruler && !scene.tools.protractor);
        QCOMPARE(harness::labelTexts(),
                 QStringList({QStringLiteral("ψ= 0"), QString(), QString(), QString(),
                              QStringLiteral("αριθμός σημείων =10"), QStringLiteral("Χρονος=5"),
                              QStringLiteral("ψ blue = 0")}));
        QVERIFY(!action("actionObject").isChecked());

        // The picture is the bare lens, as a fresh start cleared with the source there.
        const QImage reset = w.surface().image().copy();
        harness::startProgram();
        scene::form().placeSource({-200, 50});
        action("actionClear").trigger();
        QVERIFY(reset == scene::form().surface().image());
    }

    void resetIsOneStep() {
        Kovril& w = scene::form();
        changeEverything();
        const harness::Seen before = harness::seen();
        const geometry::SceneState scene = w.state();
        action("actionReset").trigger();
        const harness::Seen after = harness::seen();
        action("actionUndo").trigger();
        QVERIFY(w.state() == scene);
        QVERIFY(harness::seen() == before);
        action("actionRedo").trigger();
        QVERIFY(harness::seen() == after);
    }

    // The path's time, angles and index go; a total reflection told in Label1 gives way to
    // the yellow point's height; the bars' and the blue point's labels stay. Undo brings
    // back what was cleared.
    void clearTakesTheNumbers_data() {
        QTest::addColumn<QPointF>("source");
        QTest::addColumn<int>("yellow");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("drawnLabel1");
        QTest::addColumn<QString>("label1");
        QTest::newRow("least-time path") << QPointF(-200, 40) << 30 << "Command1"
                                         << "ψ κίτρινο= 30"
                                         << "ψ κίτρινο= 30";
        QTest::newRow("total reflection") << QPointF(-250, -150) << -60 << "Command4"
                                          << "ολική ανάκλαση     ορική = 30.00"
                                          << "ψ κίτρινο= -60";
    }
    void clearTakesTheNumbers() {
        QFETCH(QPointF, source);
        QFETCH(int, yellow);
        QFETCH(QString, button);
        QFETCH(QString, drawnLabel1);
        QFETCH(QString, label1);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        w.placeSource({source.x(), source.y()});
        harness::setScroll(*ui.thesiy, yellow);
        w.findChild<QAbstractButton*>(button)->click();
        QVERIFY(!ui.Label2->text().isEmpty() || !ui.Label3->text().isEmpty());
        const QStringList drawn = harness::labelTexts();
        QCOMPARE(drawn.first(), drawnLabel1);
        const harness::Seen before = harness::seen();

        action("actionClear").trigger();
        const QStringList cleared = harness::labelTexts();
        QCOMPARE(cleared.mid(0, 4), QStringList({label1, QString(), QString(), QString()}));
        QCOMPARE(cleared.mid(4), drawn.mid(4));

        action("actionUndo").trigger();
        QCOMPARE(harness::seen().texts, before.texts);
        QVERIFY(harness::seen().picture == before.picture);
    }
};

QTEST_MAIN(LessonStartTest)
#include "test_lesson_start.moc"
