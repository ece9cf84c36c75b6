// SPDX-License-Identifier: GPL-3.0-or-later
// The ready lessons of «☰»: each opens as a scene file does, without a message, as one step
// to undo, and says what to look at in the interface's language.
#include "scene/kovril.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

class LessonsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { harness::startProgram(); }

    void lessonOpens_data() {
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<QPointF>("source");
        QTest::addColumn<double>("frontRadius");
        QTest::addColumn<bool>("beamContinued");
        const double standard = geometry::Lens::standard().given().frontRadius;
        QTest::newRow("least time") << "least_time" << QPointF(-200, 50) << standard << false;
        QTest::newRow("trapped") << "trapped" << QPointF(-60, 95) << standard << false;
        QTest::newRow("wavefront") << "wavefront" << QPointF(-200, 30) << standard << true;
        QTest::newRow("2F") << "twice_focal" << QPointF(-194.99, 20) << standard << true;
        QTest::newRow("F") << "at_focus" << QPointF(-101.08, 20) << standard << true;
        QTest::newRow("inside F") << "inside_focus" << QPointF(-60, 20) << standard << true;
        QTest::newRow("plano-convex") << "plano_convex" << QPointF(-200, 30) << 0.0 << true;
        QTest::newRow("diverging") << "diverging" << QPointF(-200, 30) << -180.0 << true;
    }
    void lessonOpens() {
        QFETCH(QString, lesson);
        QFETCH(QPointF, source);
        QFETCH(double, frontRadius);
        QFETCH(bool, beamContinued);
        Kovril& w = scene::form();
        const geometry::SceneState before = w.state();
        auto* menu = w.findChild<QMenu*>(QStringLiteral("lessonMenu"));
        QVERIFY(menu);
        auto* entry = menu->findChild<QAction*>(QStringLiteral("lesson_") + lesson);
        QVERIFY(entry);
        entry->trigger();

        QVERIFY2(harness::messages().isEmpty(), qPrintable(harness::messages().join('\n')));
        const geometry::SceneState& scene = w.state();
        QVERIFY(std::abs(scene.source.x - source.x()) < 1e-2);
        QVERIFY(std::abs(scene.source.y - source.y()) < 1e-2);
        QCOMPARE(scene.lens.given().frontRadius, frontRadius);
        QCOMPARE(std::any_of(scene.log.actions.begin(), scene.log.actions.end(),
                             [](const geometry::Action& a) {
                                 return a.kind == geometry::Action::Kind::Command5;
                             }),
                 beamContinued);

        // The line names the lesson as its menu entry does, in the interface's language.
        auto* note = w.findChild<QLabel*>(QStringLiteral("lessonNote"));
        QVERIFY(note && note->isVisible());
        QVERIFY(note->text().contains(entry->text()));
        const bool english = qgetenv("LANGUAGE") == "en";
        QCOMPARE(note->text().contains(QRegularExpression(QStringLiteral("[α-ωΑ-Ω]"))), !english);

        w.findChild<QAction*>(QStringLiteral("actionUndo"))->trigger();
        QVERIFY(w.state() == before);
    }
};

QTEST_MAIN(LessonsTest)
#include "test_lessons.moc"
