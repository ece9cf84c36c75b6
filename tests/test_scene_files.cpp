// SPDX-License-Identifier: GPL-3.0-or-later
// Scene files: what is saved opens again as the same picture; what is not a scene changes
// nothing and says what is wrong.
#include "geometry/state.h"
#include "print/page_job.h"
#include "scene/kovril.h"
#include "scene/scene_file.h"
#include "scene/scene_io.h"
#include "scene/startup.h"
#include "scene/strict_json.h"
#include "support/controls.h"
#include "support/event_sequence.h"
#include "support/harness.h"
#include "support/mutation.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <random>
#include <signal.h>
#include <sys/resource.h>

namespace {

using harness::Seen;
using harness::seen;

QString problemOf(const std::variant<geometry::SceneState, QString>& read) {
    const QString* problem = std::get_if<QString>(&read);
    return problem ? *problem : QString();
}

QByteArray validScene() {
    return QByteArrayLiteral(R"({"format": "kovril-scene", "version": 1,
        "source": {"x": -200, "y": 50},
        "thesiy": 30, "shmeio_thesi": 0, "arithmosaktinon": 10, "xronosmetato": 5,
        "actions": ["Command1", "Command2"]})");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A valid scene with one field replaced.
QByteArray withField(const char* key, const QJsonValue& value) {
    QJsonObject root = QJsonDocument::fromJson(validScene()).object();
    root.insert(QLatin1String(key), value);
    return QJsonDocument(root).toJson();
}

// A valid scene of version 2 with this lens.
QByteArray withLens(const QJsonValue& lens) {
    QJsonObject root = QJsonDocument::fromJson(validScene()).object();
    root.insert(QLatin1String("version"), 2);
    root.insert(QLatin1String("lens"), lens);
    return QJsonDocument(root).toJson();
}

} // namespace

class SceneFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        events::silenceOutsideWarnings();
        print::directPagesTo(pages.filePath(QStringLiteral("page.pdf")));
    }
    void init() { harness::startProgram(); }
    void cleanup() { scene::setFileChooser({}); }

    // Saved and opened on a fresh start, a scene shows the same picture, texts, values and
    // markers, whichever events led to it.
    void aSavedSceneOpensAsTheSamePicture_data() {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 6; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void aSavedSceneOpensAsTheSamePicture() {
        QFETCH(int, seed);
        events::Generator events(std::uint64_t(seed) + 1000);
        for (int round = 0; round < 6; ++round) {
            harness::startProgram();
            for (int i = 0; i < 8 * (round + 1); ++i)
                events::send(events.next());
            const Seen before = seen();
            const QByteArray bytes = scene::writeScene(scene::form().state());

            Kovril& fresh = harness::startProgram();
            const auto read = scene::readScene(bytes, fresh.startDefaults());
            QVERIFY2(std::holds_alternative<geometry::SceneState>(read),
                     qPrintable(problemOf(read)));
            fresh.applyScene(std::get<geometry::SceneState>(read));
            const Seen after = seen();
            QCOMPARE(after.texts, before.texts);
            QVERIFY2(after.picture == before.picture,
                     qPrintable(
                         QStringLiteral("round %1: %2").arg(round).arg(QString::fromUtf8(bytes))));
        }
    }

    // A copy of the scene is the whole scene: shown again after other steps, it gives back the
    // picture, the labels, the values and the markers as they were.
    void aCopiedSceneShowsTheSameAgain_data() { aSavedSceneOpensAsTheSamePicture_data(); }
    void aCopiedSceneShowsTheSameAgain() {
        QFETCH(int, seed);
        events::Generator events(std::uint64_t(seed) + 2000);
        Kovril& w = harness::startProgram();
        for (int round = 0; round < 4; ++round) {
            for (int i = 0; i < 10; ++i)
                events::send(events.next());
            const geometry::SceneState kept = w.state();
            const Seen before = seen();
            for (int i = 0; i < 10; ++i)
                events::send(events.next());
            w.applyScene(kept);
            const Seen after = seen();
            QCOMPARE(after.texts, before.texts);
            QVERIFY2(after.picture == before.picture, qPrintable(QString::number(round)));
            QVERIFY(w.state().lens == kept.lens);
            QCOMPARE(w.state().labels, kept.labels);
        }
    }

    // The same through the menu and a real file.
    void theMenuSavesAndOpensAFile() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-180, -40});
        harness::setScroll(*ui.thesiy, -25);
        ui.Command5->click();
        ui.Command1->click();
        const Seen before = seen();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.kovril"));
        scene::setFileChooser([&](scene::FileChoice) { return path; });
        ui.actionSaveScene->trigger();
        QVERIFY(QFile::exists(path));
        QVERIFY(harness::messages().isEmpty());

        Kovril& fresh = harness::startProgram();
        scene::setFileChooser([&](scene::FileChoice) { return path; });
        harness::controls(fresh).actionOpenScene->trigger();
        QVERIFY(seen() == before);
        const QJsonObject root = QJsonDocument::fromJson([&] {
                                     QFile file(path);
                                     file.open(QIODevice::ReadOnly);
                                     return file.readAll();
                                 }())
                                     .object();
        QCOMPARE(root.value(QLatin1String("format")).toString(), QStringLiteral("kovril-scene"));
        QCOMPARE(root.value(QLatin1String("thesiy")).toInt(), -25);
    }

    // Only format and version are needed: the rest takes its start-up value, and a source
    // outside the window comes inside it, as a drag would put it.
    void aShortSceneFillsInTheStart() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const Seen start = seen();
        const auto read =
            scene::readScene(R"({"format": "kovril-scene", "version": 1})", w.startDefaults());
        QVERIFY(std::holds_alternative<geometry::SceneState>(read));
        w.applyScene(std::get<geometry::SceneState>(read));
        QCOMPARE(seen().texts, start.texts);

        const auto far = scene::readScene(
            R"({"format": "kovril-scene", "version": 1, "source": {"x": -999, "y": 999}})",
            w.startDefaults());
        w.applyScene(std::get<geometry::SceneState>(far));
        QVERIFY(std::abs(ui.kyklos->centreX()) <= geometry::halfWidth);
        QVERIFY(std::abs(ui.kyklos->centreY()) <= geometry::halfHeight);
    }

    // The lens goes into the file and comes back; a file of version 1 has the start-up lens,
    // and saving writes version 2.
    void theLensIsKept_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("index");
        QTest::addColumn<double>("front");
        QTest::addColumn<double>("rear");
        QTest::addColumn<double>("thickness");
        QTest::addColumn<double>("aperture");
        const double meet = std::sqrt(180.0 * 180 - 165.0 * 165);
        QTest::newRow("version 1") << validScene() << 2.0 << 180.0 << 180.0 << 30.0 << meet;
        QTest::newRow("version 2, no lens fields")
            << withLens(QJsonObject{}) << 2.0 << 180.0 << 180.0 << 30.0 << meet;
        QTest::newRow("glass") << withLens(QJsonObject{{"index", 1.5}}) << 1.5 << 180.0 << 180.0
                               << 30.0 << meet;
        QTest::newRow("every field") << withLens(QJsonObject{{"index", 1.33},
                                                             {"frontRadius", 220},
                                                             {"rearRadius", 300},
                                                             {"thickness", 26},
                                                             {"aperture", 60}})
                                     << 1.33 << 220.0 << 300.0 << 26.0 << 60.0;
    }
    void theLensIsKept() {
        QFETCH(QByteArray, bytes);
        QFETCH(double, index);
        QFETCH(double, front);
        QFETCH(double, rear);
        QFETCH(double, thickness);
        QFETCH(double, aperture);
        Kovril& w = scene::form();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lens.kovril"));
        writeFile(path, bytes);
        QVERIFY(w.openSceneFile(path));
        const geometry::LensGiven& lens = w.state().lens.given();
        QCOMPARE(lens.speedOutside, 2.0f);
        QCOMPARE(lens.speedInside, float(2 / index));
        QCOMPARE(lens.frontRadius, front);
        QCOMPARE(lens.rearRadius, rear);
        QCOMPARE(lens.thickness, thickness);
        QCOMPARE(geometry::speedLens, float(2 / index));

        const QJsonObject root = QJsonDocument::fromJson(scene::writeScene(w.state())).object();
        QCOMPARE(root.value(QLatin1String("version")).toInt(), 2);
        const QJsonObject saved = root.value(QLatin1String("lens")).toObject();
        QCOMPARE(saved.value(QLatin1String("index")).toDouble(), index);
        QCOMPARE(saved.value(QLatin1String("frontRadius")).toDouble(), front);
        QCOMPARE(saved.value(QLatin1String("rearRadius")).toDouble(), rear);
        QCOMPARE(saved.value(QLatin1String("thickness")).toDouble(), thickness);
        QCOMPARE(saved.value(QLatin1String("aperture")).toDouble(), aperture);
        const auto again = scene::readScene(scene::writeScene(w.state()), w.startDefaults());
        QVERIFY2(std::holds_alternative<geometry::SceneState>(again), qPrintable(problemOf(again)));
        QVERIFY(std::get<geometry::SceneState>(again).lens == w.state().lens);
    }

    // What is not a scene is reported, naming the file and the problem, and changes nothing.
    void aBadFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("not JSON") << QByteArray("scene, please") << "JSON";
        QTest::newRow("a huge number") << withField("thesiy", 0).replace("0", "1e400") << "JSON";
        QTest::newRow("NaN") << QByteArray(R"({"format": "kovril-scene", "version": NaN})")
                             << "JSON";
        QTest::newRow("truncated") << validScene().left(60) << "JSON";
        QTest::newRow("a list") << QByteArray("[1, 2]") << "αντικείμενο";
        QTest::newRow("another format")
            << QByteArray(R"({"format": "svg", "version": 1})") << "άλλη μορφή";
        QTest::newRow("a newer version")
            << QByteArray(R"({"format": "kovril-scene", "version": 3})") << "νεότερο";
        QTest::newRow("no format") << QByteArray(R"({"version": 1})") << "format";
        QTest::newRow("no version") << QByteArray(R"({"format": "kovril-scene"})") << "version";
        QTest::newRow("a mistyped field") << withField("thesiy", QStringLiteral("30")) << "thesiy";
        QTest::newRow("a fraction") << withField("thesiy", 3.5) << "thesiy";
        QTest::newRow("thesiy 150") << withField("thesiy", 150) << "thesiy";
        QTest::newRow("1000 rays") << withField("arithmosaktinon", 1000) << "arithmosaktinon";
        QTest::newRow("time 4") << withField("xronosmetato", 4) << "xronosmetato";
        QTest::newRow("far source")
            << withField("source", QJsonObject{{"x", -1000.5}, {"y", 0}}) << "source.x";
        QTest::newRow("a point without y") << withField("blue", QJsonObject{{"x", 1}}) << "blue";
        QTest::newRow("an unknown action")
            << withField("actions", QJsonArray{"Command1", "Command9"}) << "Command9";
        QTest::newRow("an unknown field") << withField("thesyi", 3) << "thesyi";
        QTest::newRow("a bad colour")
            << withField("drawing", QJsonObject{{"fillColor", "olive"}}) << "fillColor";
        QTest::newRow("a label that is not")
            << withField("labels", QJsonObject{{"Label9", "x"}}) << "Label9";
        QTest::newRow("a lens in version 1")
            << withField("lens", QJsonObject{{"index", 1.5}}) << "lens";
        QTest::newRow("a lens that is a number") << withLens(1.5) << "lens";
        QTest::newRow("an unknown lens field")
            << withLens(QJsonObject{{"colour", 1}}) << "lens.colour";
        QTest::newRow("index 3.5") << withLens(QJsonObject{{"index", 3.5}}) << "lens.index";
        QTest::newRow("an index in words")
            << withLens(QJsonObject{{"index", "glass"}}) << "lens.index";
        QTest::newRow("no thickness")
            << withLens(QJsonObject{{"thickness", 0}}) << "lens.thickness";
        QTest::newRow("faces crossing before the rim")
            << withLens(QJsonObject{{"aperture", 90}}) << "lens.aperture";
        QTest::newRow("a radius under the aperture")
            << withLens(QJsonObject{{"rearRadius", 50}}) << "lens.rearRadius";
        QByteArray large = validScene();
        large.insert(large.size() - 1,
                     ", \"labels\": {\"Label1\": \"" + QByteArray(1024 * 1024, 'a') + "\"}");
        QTest::newRow("larger than 1 MiB") << large << "1 MiB";
        std::mt19937 random(7);
        QByteArray noise(4096, '\0');
        for (char& byte : noise)
            byte = char(random());
        QTest::newRow("random bytes") << noise << "JSON";
    }
    void aBadFileChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.Command3->click();
        const Seen before = seen();
        const std::size_t actions = w.actionLog().actions.size();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.kovril"));
        writeFile(path, bytes);
        QVERIFY(!w.openSceneFile(path));
        QCOMPARE(harness::messages().size(), 1);
        const QString message = harness::messages().front();
        QVERIFY2(message.contains(path) && message.contains(problem), qPrintable(message));
        QVERIFY(seen() == before);
        QCOMPARE(w.actionLog().actions.size(), actions);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("bad.kovril")});
    }

    // The strict check before Qt's reader: what JSON's grammar allows passes, the rest is
    // named with its byte, whatever Qt's reader would make of it.
    void strictJson_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("strict");
        QTest::newRow("empty object") << QByteArray("{}") << true;
        QTest::newRow("every kind of value")
            << QByteArray(R"( {"a": [1, -0.5e+3, 0, 2E-2, true, false, null, "x\n\u00e9"]} )")
            << true;
        QTest::newRow("nesting of 16") << QByteArray(16, '[') + QByteArray(16, ']') << true;
        QTest::newRow("nesting of 18") << QByteArray(18, '[') + QByteArray(18, ']') << false;
        QTest::newRow("cut after {") << QByteArray("{") << false;
        QTest::newRow("cut after [") << QByteArray("[1,") << false;
        QTest::newRow("comma before }") << QByteArray(R"({"a": 1,})") << false;
        QTest::newRow("comma before ]") << QByteArray("[1,]") << false;
        QTest::newRow("no colon") << QByteArray(R"({"a" 1})") << false;
        QTest::newRow("short escape") << QByteArray(R"(["\u12"])") << false;
        QTest::newRow("unknown escape") << QByteArray(R"(["\q"])") << false;
        QTest::newRow("leading zero") << QByteArray("[01]") << false;
        QTest::newRow("lone minus") << QByteArray("[-]") << false;
        QTest::newRow("no exponent") << QByteArray("[1e]") << false;
        QTest::newRow("half a word") << QByteArray("[tru]") << false;
        QTest::newRow("text after the end") << QByteArray("{}x") << false;
        QTest::newRow("a key twice, once escaped")
            << QByteArray(R"({"a": 1, "\u0061": 2})") << false;
        QTest::newRow("a tab in a string") << QByteArray("[\"a\tb\"]") << false;
    }
    void strictJson() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, strict);
        const std::optional<QString> problem = scene::strictJsonProblem(bytes);
        QVERIFY2(problem.has_value() != strict, qPrintable(problem.value_or(QStringLiteral("-"))));
        if (problem)
            QVERIFY(problem->contains(QStringLiteral("byte")));
    }

    // Thousands of mutated scene files: each is either a scene within every range, which
    // opens, or a message; nothing crashes or hangs.
    void mutatedFilesAreReadOrRefused() {
        Kovril& w = scene::form();
        const QByteArray valid = scene::writeScene(w.state());
        std::mt19937 random(20261209);
        const int count = qEnvironmentVariableIntValue("KOVRIL_FUZZ_FILES") > 0
                              ? qEnvironmentVariableIntValue("KOVRIL_FUZZ_FILES")
                              : 4000;
        int opened = 0;
        for (int i = 0; i < count; ++i) {
            QByteArray bytes = validScene();
            if (random() % 2)
                bytes = valid;
            const int edits = 1 + int(random() % 4);
            for (int e = 0; e < edits && !bytes.isEmpty(); ++e)
                mutation::editOnce(bytes, random);
            const auto read = scene::readScene(bytes, w.startDefaults());
            if (const auto* problem = std::get_if<QString>(&read)) {
                QVERIFY(!problem->isEmpty());
                continue;
            }
            const geometry::SceneState& d = std::get<geometry::SceneState>(read);
            QVERIFY(std::abs(d.thesiy) <= 99 && std::abs(d.shmeio_thesi) <= 99);
            QVERIFY(d.arithmosaktinon >= 2 && d.arithmosaktinon <= 100);
            QVERIFY(d.xronosmetato >= 5 && d.xronosmetato <= 100);
            QVERIFY(std::abs(d.source.x) <= 1000 && std::abs(d.source.y) <= 1000);
            // Opening the first hundred that parse is enough to find a crash in drawing.
            if (opened++ < 100)
                w.applyScene(d);
        }
        QVERIFY(opened > 0);
    }

    // A save that cannot finish leaves the file that was there, and says so.
    void aFailedSaveKeepsTheOldFile() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.kovril"));
        const QByteArray old = validScene();
        writeFile(path, old);
        ui.Command5->click();
        scene::setFileChooser([&](scene::FileChoice) { return path; });

        // Files may not grow beyond 100 bytes: the write fails half-way.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &small);
        ui.actionSaveScene->trigger();
        setrlimit(RLIMIT_FSIZE, &saved);

        QCOMPARE(harness::messages().size(), 1);
        QVERIFY(harness::messages().front().contains(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("lesson.kovril")});
    }

    void aSaveBelowAFileSaysSo() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("plain")), "x");
        const QString path = dir.filePath(QStringLiteral("plain/lesson.kovril"));
        scene::setFileChooser([&](scene::FileChoice) { return path; });
        ui.actionSaveScene->trigger();
        QCOMPARE(harness::messages().size(), 1);
        QVERIFY(harness::messages().front().contains(QStringLiteral("δεν αποθηκεύτηκε")));
    }

    // The costliest picture opens, one action more is refused, and the window asks for a
    // clear rather than draw beyond the same limit.
    void replayIsBounded() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        geometry::SceneState document = w.state();
        document.arithmosaktinon = 100;
        document.log.actions.clear();
        geometry::Action costly;
        costly.kind = geometry::Action::Kind::Command5;
        // A Command5 of 100 rays measures about 13 ms at 1920x1080; fifty fit in a second.
        for (int i = 0; i < 45; ++i)
            document.log.actions.push_back(costly);
        const auto fits = scene::readScene(scene::writeScene(document), w.startDefaults());
        QVERIFY2(std::holds_alternative<geometry::SceneState>(fits), qPrintable(problemOf(fits)));
        for (int i = 0; i < 15; ++i)
            document.log.actions.push_back(costly);
        const auto over = scene::readScene(scene::writeScene(document), w.startDefaults());
        QVERIFY(problemOf(over).contains(QStringLiteral("60")));
        // Saving what would not open again is refused, and leaves no file.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("heavy.kovril"));
        QVERIFY(scene::saveSceneFile(path, document));
        QVERIFY(!QFile::exists(path));

        w.applyScene(std::get<geometry::SceneState>(fits));
        int drawn = 0;
        while (harness::messages().isEmpty() && drawn < 100) {
            ui.Command5->click();
            ++drawn;
        }
        QVERIFY2(drawn < 15, qPrintable(QString::number(drawn)));
        const QImage full = w.surface().image();
        const std::size_t actions = w.actionLog().actions.size();
        ui.Command5->click();
        QCOMPARE(harness::messages().size(), 2);
        QVERIFY(w.surface().image() == full);
        QCOMPARE(w.actionLog().actions.size(), actions);
        ui.actionClear->trigger();
        ui.Command5->click();
        QCOMPARE(harness::messages().size(), 2);
        QCOMPARE(w.actionLog().actions.size(), std::size_t(2));
    }

    // A long scene saved from the window opens again: the writer is compact and keeps the
    // reader's limits.
    void aLongSceneSavedOpensAgain() {
        Kovril& w = scene::form();
        geometry::SceneState document = w.state();
        geometry::Action printed;
        printed.kind = geometry::Action::Kind::Print;
        printed.sineRatio = 1.75f;
        document.log.actions.assign(25000, printed);
        const QByteArray bytes = scene::writeScene(document);
        QVERIFY(bytes.size() < scene::sceneFileLimit);
        const auto read = scene::readScene(bytes, w.startDefaults());
        QVERIFY2(std::holds_alternative<geometry::SceneState>(read), qPrintable(problemOf(read)));
        QCOMPARE(std::get<geometry::SceneState>(read).log.actions.size(), std::size_t(25000));
    }

    // PRINT is kept in the log, so that the picture drawn again after it has what printing
    // left on the window.
    void printingIsRecorded() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.Command6->click();
        QCOMPARE(w.actionLog().actions.back().kind, geometry::Action::Kind::Print);
        QCOMPARE(w.actionLog().actions.back().sineRatio, geometry::sineRatio);
    }

    // A scene whose only action is the first picture, saved straight after start-up, opens
    // with the source where it was: opened before the window has its maximized size, as a
    // file named on the command line is, and after the window changes its size.
    void aStartSceneKeepsItsSource() {
        const QByteArray bytes = scene::writeScene(scene::form().state());
        const surface::Shape& started = *harness::controls(scene::form()).kyklos;
        const QPointF source(started.centreX(), started.centreY());
        startUp();
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const auto read = scene::readScene(bytes, w.startDefaults());
        QVERIFY(problemOf(read).isEmpty());
        w.applyScene(std::get<geometry::SceneState>(read));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.applyPendingLayout();
        QCOMPARE(QPointF(ui.kyklos->centreX(), ui.kyklos->centreY()), source);
        harness::resizeTo({1000, 700});
        QCOMPARE(QPointF(ui.kyklos->centreX(), ui.kyklos->centreY()), source);
    }

private:
    QTemporaryDir pages;
};

QTEST_MAIN(SceneFilesTest)
#include "test_scene_files.moc"
