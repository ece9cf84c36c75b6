// SPDX-License-Identifier: GPL-3.0-or-later
// The ready lessons of «☰»: each opens as a scene file does, without a message, as one step
// to undo, says what to look at in the interface's language, and shows what that line says.
#include "geometry/state.h"
#include "scene/kovril.h"
#include "scene/scene_io.h"
#include "support/harness.h"
#include "surface/messagebox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The start-up lens by the thick-lens formulas (n = 2, radii 165, thickness 30): f = 93.91,
// H′ at x = 7.17, so 2F′ at x = 194.99.
constexpr double twiceFocalImage = 7.17 + 2 * 93.91;

// The slope of ray i after the lens, from its exit point to the end of its continuation.
double slopeAfter(std::size_t i) {
    return (geometry::beamEndY[i] - geometry::beamExitY[i]) /
           (geometry::beamEndX[i] - geometry::beamExitX[i]);
}

// The rays just below and above the axis, where the paraxial formulas hold.
std::size_t middleRay() {
    return geometry::beamExitX.size() / 2;
}

} // namespace

class LessonsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { harness::startProgram(); }

    void lessonOpens_data() {
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<QString>("shows");
        QTest::newRow("least time") << "least_time"
                                    << "least time";
        QTest::newRow("trapped") << "trapped"
                                 << "total reflection";
        QTest::newRow("wavefront") << "wavefront"
                                   << "time 60";
        QTest::newRow("2F") << "twice_focal"
                            << "meets at 2F′";
        QTest::newRow("F") << "at_focus"
                           << "parallel";
        QTest::newRow("inside F") << "inside_focus"
                                  << "diverges";
        QTest::newRow("plano-convex") << "plano_convex"
                                      << "diverges";
        QTest::newRow("diverging") << "diverging"
                                   << "diverges";
    }
    void lessonOpens() {
        QFETCH(QString, lesson);
        QFETCH(QString, shows);
        Kovril& w = scene::form();
        const geometry::SceneState before = w.state();
        auto* menu = w.findChild<QMenu*>(QStringLiteral("lessonMenu"));
        QVERIFY(menu);
        auto* entry = menu->findChild<QAction*>(QStringLiteral("lesson_") + lesson);
        QVERIFY(entry);
        entry->trigger();
        QVERIFY2(harness::messages().isEmpty(), qPrintable(harness::messages().join('\n')));

        const bool english = qgetenv("LANGUAGE") == "en";
        const std::size_t mid = middleRay();
        const auto& labels = w.state().labels;
        if (shows == "least time") {
            QVERIFY(!labels.at(2).empty());
            QVERIFY(w.state().bluePoint.y > 1);
        } else if (shows == "total reflection") {
            QVERIFY(QString::fromStdString(labels.at(1))
                        .startsWith(english ? "total reflection" : "ολική ανάκλαση"));
        } else if (shows == "time 60") {
            QCOMPARE(w.state().xronosmetato, 60);
        } else if (shows == "meets at 2F′") {
            // The rays next to the axis cross near 2F′, as far below it as the source is above.
            const double a = slopeAfter(mid - 1), b = slopeAfter(mid + 1);
            const double x0 = geometry::beamExitX[mid - 1], y0 = geometry::beamExitY[mid - 1];
            const double x1 = geometry::beamExitX[mid + 1], y1 = geometry::beamExitY[mid + 1];
            const double x = (y1 - y0 + a * x0 - b * x1) / (a - b);
            const double y = y0 + a * (x - x0);
            QVERIFY2(std::abs(x - twiceFocalImage) < 15 && std::abs(y + 20) < 4,
                     qPrintable(QStringLiteral("they meet at %1, %2").arg(x).arg(y)));
        } else if (shows == "parallel") {
            QVERIFY(std::abs(slopeAfter(mid + 1) - slopeAfter(mid - 1)) < 0.05);
        } else {
            QVERIFY2(slopeAfter(mid + 1) > slopeAfter(mid) && slopeAfter(mid) > slopeAfter(mid - 1),
                     "the rays near the axis spread after the lens");
        }

        // The line names the lesson as its menu entry does, in the interface's language.
        auto* note = w.findChild<QLabel*>(QStringLiteral("lessonNote"));
        QVERIFY(note && note->isVisible());
        QVERIFY(note->text().contains(entry->text()));
        QCOMPARE(note->text().contains(QRegularExpression(QStringLiteral("[α-ωΑ-Ω]"))), !english);

        w.findChild<QAction*>(QStringLiteral("actionUndo"))->trigger();
        QVERIFY(w.state() == before);
    }

    // The line keeps to the bottom left corner of a resized window, and leaves with the lesson:
    // a lesson start or another scene hides it, a lesson shows it again.
    void theLineFollowsTheWindowAndTheScene() {
        Kovril& w = scene::form();
        w.findChild<QAction*>(QStringLiteral("lesson_at_focus"))->trigger();
        auto* note = w.findChild<QLabel*>(QStringLiteral("lessonNote"));
        QVERIFY(note && note->isVisible());
        w.resize(w.width() - 200, w.height() - 100);
        QTRY_COMPARE(note->geometry().bottomLeft(), QPoint(8, w.height() - 9));
        QCOMPARE(note->width(), w.width() / 4);
        QVERIFY2(note->height() >= note->heightForWidth(note->width()), "the whole line shows");

        w.findChild<QAction*>(QStringLiteral("actionReset"))->trigger();
        QVERIFY(!note->isVisible());
        surface::setUnsavedAnswerer([](const QString&) { return surface::UnsavedAnswer::Discard; });
        w.findChild<QAction*>(QStringLiteral("lesson_trapped"))->trigger();
        QVERIFY(note->isVisible());
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("other.kovril"));
        QVERIFY(scene::saveSceneFile(other, w.state()) == std::nullopt);
        QVERIFY(w.openSceneFile(other));
        QVERIFY(!note->isVisible());
        surface::setUnsavedAnswerer({});
    }

    // Each of the help's three experiments opens its lesson from a link beside it.
    void helpOpensTheExperiments() {
        Kovril& w = scene::form();
        w.findChild<QAction*>(QStringLiteral("actionHelp"))->trigger();
        const QStringList titles = {QStringLiteral("lesson_least_time"),
                                    QStringLiteral("lesson_trapped"),
                                    QStringLiteral("lesson_wavefront")};
        int links = 0;
        for (QLabel* text : w.findChildren<QLabel*>()) {
            for (int i = 0; i < titles.size(); ++i) {
                if (!text->text().contains(QStringLiteral("<a href=\"%1\">").arg(i + 1)))
                    continue;
                emit text->linkActivated(QString::number(i + 1));
                const auto* entry = w.findChild<QAction*>(titles[i]);
                QVERIFY(w.findChild<QLabel*>(QStringLiteral("lessonNote"))
                            ->text()
                            .contains(entry->text()));
                ++links;
            }
        }
        QCOMPARE(links, 3);
        QVERIFY(harness::messages().isEmpty());
    }
};

QTEST_MAIN(LessonsTest)
#include "test_lessons.moc"
