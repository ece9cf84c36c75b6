// SPDX-License-Identifier: GPL-3.0-or-later
// Work kept: the title tells unsaved work, quitting or opening asks before it is lost, and
// the save dialogs start where the student last saved.
#include "scene/kovril.h"
#include "scene/scene_io.h"
#include "scene/startup.h"
#include "support/controls.h"
#include "support/event_sequence.h"
#include "support/harness.h"
#include "surface/messagebox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

const QString startTitle = QStringLiteral("Πορεία Ακτίνων: αρχή Kovril");

// The title as the window manager shows it, the mark in place of its placeholder.
QString shownTitle(const Kovril& w) {
    return w.windowHandle()->title();
}

enum class Way { Quit, Open, Lesson };

} // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(surface::UnsavedAnswer)

class WorkKeptTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        events::silenceOutsideWarnings();
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        QSettings().remove(QStringLiteral("files/lastFolder"));
        harness::startProgram();
    }
    void cleanup() {
        scene::setFileChooser({});
        surface::setUnsavedAnswerer({});
    }

    // A step marks the title; a save or an undo back to the saved scene clears the mark.
    void theTitleMarksUnsavedWork() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QCOMPARE(w.windowTitle(), startTitle);
        QVERIFY(!w.isWindowModified());
        ui.Command1->click();
        QVERIFY(w.isWindowModified());
        QCOMPARE(shownTitle(w), startTitle + QLatin1Char('*'));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prism.kovril"));
        scene::setFileChooser([&](scene::FileChoice) { return path; });
        ui.actionSaveScene->trigger();
        QVERIFY(!w.isWindowModified());
        QCOMPARE(shownTitle(w), QStringLiteral("prism.kovril — ") + startTitle);

        ui.Command2->click();
        QCOMPARE(shownTitle(w), QStringLiteral("prism.kovril* — ") + startTitle);
        ui.actionUndo->trigger();
        QVERIFY(!w.isWindowModified());
        ui.actionUndo->trigger();
        QVERIFY2(w.isWindowModified(), "before the saved scene is a change too");
        ui.actionRedo->trigger();
        QVERIFY(!w.isWindowModified());
        // Another step where the saved one was undone: the saved scene can no longer return.
        ui.actionUndo->trigger();
        ui.Command2->click();
        QVERIFY2(w.isWindowModified(), "another step is no return to the saved scene");
    }

    // With unsaved work, quitting or opening another scene asks first; each answer does what
    // it says, and a save that fails loses nothing.
    void unsavedWorkIsAskedAbout_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<surface::UnsavedAnswer>("answer");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("goesOn");
        for (const auto& [way, name] : {std::pair{Way::Quit, "quit"}, std::pair{Way::Open, "open"},
                                        std::pair{Way::Lesson, "lesson"}}) {
            const auto row = [&](const char* what) -> QTestData& {
                return QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(name, what)));
            };
            row("save") << way << surface::UnsavedAnswer::Save << true << true;
            row("discard") << way << surface::UnsavedAnswer::Discard << true << true;
            row("cancel") << way << surface::UnsavedAnswer::Cancel << true << false;
            row("failing save") << way << surface::UnsavedAnswer::Save << false << false;
        }
    }
    void unsavedWorkIsAskedAbout() {
        QFETCH(Way, way);
        QFETCH(surface::UnsavedAnswer, answer);
        QFETCH(bool, writable);
        QFETCH(bool, goesOn);
        Kovril& w = scene::form();
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("other.kovril"));
        w.placeSource({-150, 60});
        QVERIFY(scene::saveSceneFile(other, w.state()) == std::nullopt);
        harness::startProgram();
        Kovril& shown = scene::form();
        const harness::Controls now = harness::controls(shown);
        now.Command1->click();
        const geometry::SceneState worked = shown.state();

        const QString saved = writable ? dir.filePath(QStringLiteral("work.kovril"))
                                       : dir.filePath(QStringLiteral("missing/folder/work.kovril"));
        scene::setFileChooser([&](scene::FileChoice choice) {
            return choice == scene::FileChoice::OpenScene ? other : saved;
        });
        QStringList questions;
        surface::setUnsavedAnswerer([&](const QString& text) {
            questions << text;
            return answer;
        });
        const int messagesBefore = int(harness::messages().size());
        const auto trigger = [&](Way way) {
            if (way == Way::Lesson)
                return shown.findChild<QAction*>(QStringLiteral("lesson_least_time"));
            return way == Way::Quit ? now.actionQuit : now.actionOpenScene;
        };
        trigger(way)->trigger();

        QCOMPARE(questions.size(), 1);
        QCOMPARE(QFile::exists(saved), answer == surface::UnsavedAnswer::Save && writable);
        if (!writable) {
            QCOMPARE(harness::messages().size(), messagesBefore + 1);
            QVERIFY(harness::messages().last().contains(QDir::toNativeSeparators(saved)));
        }
        const bool stayed = way == Way::Quit ? shown.isVisible() : shown.state() == worked;
        QCOMPARE(stayed, !goesOn);
        if (!goesOn)
            QVERIFY2(shown.isWindowModified(), "the work is still unsaved");
        if (goesOn && answer == surface::UnsavedAnswer::Save)
            QVERIFY(!shown.isWindowModified());
    }

    // A lesson's file is inside the program: saving its changes asks where, and writes there.
    void aChangedLessonIsSavedWhereChosen() {
        Kovril& w = scene::form();
        w.findChild<QAction*>(QStringLiteral("lesson_trapped"))->trigger();
        QVERIFY(!w.isWindowModified());
        harness::controls(w).Command1->click();
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("trapped.kovril"));
        QList<scene::FileChoice> asked;
        scene::setFileChooser([&](scene::FileChoice choice) {
            asked << choice;
            return saved;
        });
        surface::setUnsavedAnswerer([](const QString&) { return surface::UnsavedAnswer::Save; });
        const int messagesBefore = int(harness::messages().size());
        harness::controls(w).actionQuit->trigger();
        QCOMPARE(asked, QList{scene::FileChoice::SaveScene});
        QCOMPARE(harness::messages().size(), messagesBefore);
        QVERIFY(QFile::exists(saved));
        QVERIFY(!w.isVisible());
    }

    // Without unsaved work nothing is asked.
    void savedWorkIsNotAskedAbout() {
        Kovril& w = scene::form();
        int asked = 0;
        surface::setUnsavedAnswerer([&](const QString&) {
            ++asked;
            return surface::UnsavedAnswer::Cancel;
        });
        harness::controls(w).actionQuit->trigger();
        QCOMPARE(asked, 0);
        QVERIFY(!w.isVisible());
    }

    // A fresh home: Documents is made and proposed, with the program's name for the file.
    void aFreshHomeGetsDocuments() {
        QTemporaryDir dir;
        const QByteArray home = qgetenv("HOME");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", dir.filePath(QStringLiteral("home")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
        const QString documents = dir.filePath(QStringLiteral("home/Documents"));
        QStringList proposed;
        scene::setPathChooser([&](scene::FileChoice, const QString& path) {
            proposed << path;
            return QString();
        });
        const harness::Controls ui = harness::controls(scene::form());
        ui.actionSaveScene->trigger();
        ui.actionSavePicture->trigger();
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
        QVERIFY(QFileInfo(documents).isDir());
        QCOMPARE(proposed, (QStringList{documents + QStringLiteral("/kovril.kovril"),
                                        documents + QStringLiteral("/kovril.png")}));
    }

    // Each dialog starts in the folder used last, proposing the scene's name; a picture named
    // without an extension is a PNG.
    void theLastFolderIsRemembered() {
        QTemporaryDir first;
        QTemporaryDir second;
        QStringList proposed;
        QStringList answers{first.filePath(QStringLiteral("mirror.kovril")),
                            second.filePath(QStringLiteral("figure")), QString()};
        scene::setPathChooser([&](scene::FileChoice, const QString& path) {
            proposed << path;
            return answers.takeFirst();
        });
        const harness::Controls ui = harness::controls(scene::form());
        ui.actionSaveScene->trigger();
        ui.actionSavePicture->trigger();
        ui.actionSaveScene->trigger();
        QVERIFY(QFile::exists(second.filePath(QStringLiteral("figure.png"))));
        QCOMPARE(proposed.mid(1), (QStringList{first.filePath(QStringLiteral("mirror.png")),
                                               second.filePath(QStringLiteral("mirror.kovril"))}));
        QVERIFY(harness::messages().isEmpty());
    }
};

QTEST_MAIN(WorkKeptTest)
#include "test_work_kept.moc"
