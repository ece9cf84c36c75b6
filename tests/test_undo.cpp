// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo through the menu after seeded sequences of student events: undoing k steps
// shows what a fresh start shows after the first n − k steps, redo brings the rest back, and
// a new step after an undo forgets what was undone.
#include "print/page_job.h"
#include "scene/kovril.h"
#include "support/controls.h"
#include "support/event_sequence.h"
#include "support/harness.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace {

using harness::Seen;
using harness::seen;

void compare(const Seen& actual, const Seen& expected, const QString& where) {
    QVERIFY2(actual.texts == expected.texts,
             qPrintable(where + QStringLiteral(": ") + actual.texts.join(QLatin1Char('|')) +
                        QStringLiteral("\n  expected ") + expected.texts.join(QLatin1Char('|'))));
    QVERIFY2(actual.picture == expected.picture, qPrintable(where + QStringLiteral(": picture")));
}

// Sends events until the scene has changed `steps` times.
void takeSteps(events::Generator& generator, int steps) {
    Kovril& w = scene::form();
    for (int done = 0; done < steps;) {
        const geometry::SceneState before = w.state();
        events::send(generator.next());
        // A press on the menu button opens the menu: a student closes it again.
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        done += w.state() == before ? 0 : 1;
    }
}

void trigger(QAction* action, int times) {
    for (int i = 0; i < times; ++i)
        action->trigger();
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
    QTemporaryDir pages;

private slots:
    void initTestCase() {
        events::silenceOutsideWarnings();
        QVERIFY(pages.isValid());
        print::directPagesTo(pages.filePath(QStringLiteral("page.pdf")));
    }

    void undoShowsTheEarlierScene_data() {
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("steps");
        for (int seed = 1; seed <= 6; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << 12 + seed;
    }
    void undoShowsTheEarlierScene() {
        QFETCH(int, seed);
        QFETCH(int, steps);
        const int undone = 1 + seed % (steps - 1);

        // The whole sequence, then k steps undone and redone.
        harness::startProgram();
        events::Generator all{std::uint64_t(seed)};
        takeSteps(all, steps - 1);
        harness::controls(scene::form()).actionClear->trigger();
        const Seen last = seen();
        const harness::Controls ui = harness::controls(scene::form());
        trigger(ui.actionUndo, undone);
        const Seen back = seen();
        QVERIFY(ui.actionRedo->isEnabled());
        trigger(ui.actionRedo, undone);
        compare(seen(), last, QStringLiteral("redone"));
        QVERIFY(!ui.actionRedo->isEnabled());

        // A new step after an undo forgets what was undone.
        trigger(ui.actionUndo, undone);
        ui.Command2->click();
        QVERIFY(!ui.actionRedo->isEnabled());
        trigger(ui.actionRedo, 1);
        QVERIFY(scene::form().actionLog().actions.back().kind == geometry::Action::Kind::Command2);

        // A fresh start that takes only the first n − k steps shows the same.
        harness::startProgram();
        events::Generator first{std::uint64_t(seed)};
        takeSteps(first, steps - undone);
        compare(back, seen(), QStringLiteral("%1 of %2 steps undone").arg(undone).arg(steps));
    }

    // Undone to the start, through a change of the lens too, the window shows its first
    // picture again, and nothing more can be undone; the shortcuts are the ones teachers know.
    void undoReachesTheStart() {
        harness::startProgram();
        const Seen start = seen();
        const harness::Controls ui = harness::controls(scene::form());
        QVERIFY(!ui.actionUndo->isEnabled());
        ui.Command2->click();
        ui.Command3->click();
        harness::setScroll(*ui.thesiy, 40);
        geometry::LensGiven flatter = geometry::Lens::standard().given();
        flatter.frontRadius = 0;
        scene::form().lens_Change(flatter);
        QCOMPARE(scene::form().state().lens.given().frontRadius, 0.0);
        QVERIFY(ui.actionUndo->isEnabled());
        trigger(ui.actionUndo, 6);
        QVERIFY(scene::form().state().lens == geometry::Lens::standard());
        compare(seen(), start, QStringLiteral("undone to the start"));
        QVERIFY(!ui.actionUndo->isEnabled());
        QCOMPARE(ui.actionUndo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(ui.actionRedo->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                      QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    }
};

QTEST_MAIN(UndoTest)
#include "test_undo.moc"
