// SPDX-License-Identifier: GPL-3.0-or-later
// The object before the lens on the window: shown from the menu, moved by keys and the mouse
// one undoable step at a time, kept in scene files, its numbers beside the picture, and the
// numbers printed by --labels.
#include "scene/kovril.h"
#include "scene/scene_io.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program as a worksheet script starts it: no display.
Run kovril(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KOVRIL_BINARY), arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString writeScene(const QTemporaryDir& dir, const QString& name, const QString& fields) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QStringLiteral("{\"format\": \"kovril-scene\", \"version\": 2%1}")
                   .arg(fields.isEmpty() ? QString() : QStringLiteral(", ") + fields)
                   .toUtf8());
    return path;
}

// Where F stands for the start-up lens (radii 180, thickness 30, index 2), by the thick-lens
// formulas: 1/f = (n − 1)(1/R1 − 1/R2) + (n − 1)² d / (n R1 R2), H at −d/2 + f (n − 1) d / (n R1).
double startUpFocus() {
    const double n = 2, r1 = 180, r2 = -180, d = 30;
    const double f = 1 / ((n - 1) * (1 / r1 - 1 / r2) + (n - 1) * (n - 1) * d / (n * r1 * r2));
    const double h1 = -d / 2 - f * (n - 1) * d / (n * r2);
    return h1 - f;
}

QAction& objectAction(Kovril& w) {
    auto* action = w.findChild<QAction*>(QStringLiteral("actionObject"));
    if (!action)
        qFatal("no actionObject");
    return *action;
}

QWidget& objectHandle(Kovril& w) {
    auto* handle = w.findChild<QWidget*>(QStringLiteral("objectHandle"));
    if (!handle)
        qFatal("no objectHandle");
    return *handle;
}

QString labelText(Kovril& w, const char* name) {
    const auto* label = w.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<none>");
}

geometry::ObjectArrow object(Kovril& w) {
    return w.state().object.value_or(geometry::ObjectArrow{NAN, NAN});
}

} // namespace

class ObjectTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void init() { harness::startProgram(); }

    // What a worksheet script reads: the label's name, a tab and its text, in the language
    // asked for; nothing but labels on standard output.
    void labelsOnTheCommandLine_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("real, Greek")
            << "\"object\": {\"x\": -300, \"height\": 20}"
            << "el"
            << QStringList{"focalLength\tf = 93.91", "objectDistance\ts = 292.83",
                           "imageDistance\ts′ = 138.25 (πραγματικό είδωλο)",
                           "magnification\tm = −s′/s = -0.47 (ανεστραμμένο)",
                           "lensEquation\t1/s + 1/s′ = 0.0034 + 0.0072 = 0.0106 · 1/f = 0.0106"};
        QTest::newRow("virtual, English")
            << "\"object\": {\"x\": -60, \"height\": 20}"
            << "en"
            << QStringList{"focalLength\tf = 93.91", "objectDistance\ts = 52.83",
                           "imageDistance\ts′ = -120.75 (virtual image)",
                           "magnification\tm = −s′/s = 2.29 (upright)"};
        QTest::newRow("at F, Greek") << QStringLiteral("\"object\": {\"x\": %1, \"height\": 20}")
                                            .arg(startUpFocus(), 0, 'g', 17)
                                     << "el"
                                     << QStringList{"magnification\tm: χωρίς είδωλο",
                                                    "lensEquation\t1/s = 0.0106 = 1/f, 1/s′ = 0"};
        QTest::newRow("diverging, English")
            << "\"lens\": {\"frontRadius\": -150, \"rearRadius\": -150, \"thickness\": 10, "
               "\"aperture\": 50, \"index\": 1.5}, \"object\": {\"x\": -200, \"height\": 20}"
            // 1/f = 0.5 (−1/150 − 1/150) + 0.25 · 10 / (1.5 · −150 · 150)
            << "en" << QStringList{"focalLength\tf = -148.35"};
        QTest::newRow("no object") << ""
                                   << "en" << QStringList{"Label5\tnumber of points =10"};
    }
    void labelsOnTheCommandLine() {
        QFETCH(QString, fields);
        QFETCH(QString, language);
        QFETCH(QStringList, lines);
        const QString scene = writeScene(dir, QStringLiteral("labels.kovril"), fields);
        const Run run = kovril({scene, "--labels", "--lang", language});
        QCOMPARE(run.status, 0);
        const QStringList out = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& line : lines)
            QVERIFY2(out.contains(line), qPrintable(line + QStringLiteral("\nin\n") + run.out));
        for (const QString& line : out)
            QVERIFY2(line.count(QLatin1Char('\t')) == 1 && !line.endsWith(QLatin1Char('\t')),
                     qPrintable(line));
        // Words at F, never a number at infinity.
        if (QTest::currentDataTag() == QLatin1String("at F, Greek")) {
            QVERIFY(run.out.contains(QStringLiteral("imageDistance\ts′: ")));
            QVERIFY(!run.out.contains(QStringLiteral("inf")));
        }
        QCOMPARE(out.filter(QStringLiteral("focalLength")).size(), fields.contains("object"));
    }

    // With --picture too the labels are printed and the picture written; a bad scene is
    // status 2 and prints nothing.
    void labelsWithAPicture() {
        const QString scene =
            writeScene(dir, QStringLiteral("both.kovril"),
                       QStringLiteral("\"object\": {\"x\": -300, \"height\": 20}"));
        const QString picture = dir.filePath(QStringLiteral("both.svg"));
        const Run both = kovril({scene, "--labels", "--picture", picture});
        QCOMPARE(both.status, 0);
        QVERIFY(both.out.contains(QStringLiteral("objectDistance\ts = 292.83\n")));
        // The saved picture shows the object's arrow and the real image's.
        QFile svg(picture);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray drawn = svg.readAll();
        QVERIFY(drawn.contains("#0000aa") && drawn.contains("#aa00aa"));
        const QString bad = writeScene(dir, QStringLiteral("bad.kovril"),
                                       QStringLiteral("\"object\": {\"x\": 5, \"height\": 20}"));
        const Run refused = kovril({bad, "--labels"});
        QCOMPARE(refused.status, 2);
        QCOMPARE(refused.out, QString());
        QVERIFY(refused.err.contains(QStringLiteral("object.x")));
    }

    // A bad object field is named, and nothing of the file is applied.
    void badObjectFields_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("named");
        QTest::newRow("in the lens") << "\"object\": {\"x\": 0, \"height\": 20}"
                                     << "object.x";
        QTest::newRow("not a number") << "\"object\": {\"x\": \"a\"}"
                                      << "object.x";
        QTest::newRow("beyond range") << "\"object\": {\"height\": 2000}"
                                      << "object.height";
        QTest::newRow("upside down") << "\"object\": {\"height\": -3}"
                                     << "object.height";
        QTest::newRow("unknown") << "\"object\": {\"y\": 3}"
                                 << "object.y";
        QTest::newRow("not an object") << "\"object\": 3"
                                       << "object";
    }
    void badObjectFields() {
        QFETCH(QString, fields);
        QFETCH(QString, named);
        Kovril& w = scene::form();
        const geometry::SceneState before = w.state();
        QVERIFY(!w.openSceneFile(writeScene(dir, QStringLiteral("bad.kovril"),
                                            fields + QStringLiteral(", \"thesiy\": 40"))));
        QCOMPARE(harness::messages().size(), 1);
        QVERIFY2(harness::messages().front().contains(named),
                 qPrintable(harness::messages().front()));
        QVERIFY(w.state() == before);
    }

    // Saved and opened again, the object and its numbers come back.
    void roundTrip() {
        Kovril& w = scene::form();
        objectAction(w).trigger();
        QVERIFY(objectAction(w).isChecked());
        w.object_Change(geometry::ObjectArrow{-150.5, 33.25}, true);
        const QString shown = labelText(w, "imageDistance");
        const QString path = dir.filePath(QStringLiteral("round.kovril"));
        QCOMPARE(scene::saveSceneFile(path, w.state()), std::nullopt);
        harness::startProgram();
        Kovril& again = scene::form();
        QVERIFY(!again.state().object);
        QVERIFY(again.openSceneFile(path));
        QCOMPARE(object(again).x, -150.5);
        QCOMPARE(object(again).height, 33.25);
        QVERIFY(objectAction(again).isChecked());
        QCOMPARE(labelText(again, "imageDistance"), shown);
        QVERIFY(objectHandle(again).isVisible());
    }

    // Arrows move the foot and change the height, Shift ten times as far; each key is a step
    // undo takes back; the menu takes the object away again.
    void keys() {
        Kovril& w = scene::form();
        QVERIFY(!objectHandle(w).isVisible());
        objectAction(w).trigger();
        const geometry::ObjectArrow start = object(w);
        QCOMPARE(start.height, 20.0);
        QVERIFY(start.x <= -250 && start.x >= -300);
        QWidget& handle = objectHandle(w);
        QCOMPARE(handle.nextInFocusChain() != nullptr, true);
        QCOMPARE(harness::controls(w).kyklos->nextInFocusChain(), &handle);
        QVERIFY(handle.accessibleName().contains(QStringLiteral("Αντικείμενο")));
        handle.setFocus();
        QTest::keyClick(&handle, Qt::Key_Right);
        QCOMPARE(object(w).x, start.x + 1);
        QTest::keyClick(&handle, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(object(w).height, start.height + 10);
        QTest::keyClick(&handle, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(object(w).x, start.x - 9);
        QTest::keyClick(&handle, Qt::Key_Down);
        QCOMPARE(object(w).height, start.height + 9);
        const QString moved = labelText(w, "objectDistance");
        QAction* undo = harness::controls(w).actionUndo;
        undo->trigger();
        QCOMPARE(object(w).height, start.height + 10);
        QVERIFY(labelText(w, "objectDistance") != moved || object(w).x == start.x - 9);
        undo->trigger();
        undo->trigger();
        undo->trigger();
        QCOMPARE(object(w).x, start.x);
        QCOMPARE(object(w).height, start.height);
        objectAction(w).trigger();
        QVERIFY(!w.state().object);
        QVERIFY(!handle.isVisible());
        QCOMPARE(labelText(w, "objectDistance"), QString());
        undo->trigger();
        QVERIFY(w.state().object);
        QVERIFY(objectAction(w).isChecked());
    }

    // A drag on the tip sets the height, on the shaft the place; each drag is one step.
    void mouse() {
        Kovril& w = scene::form();
        objectAction(w).trigger();
        w.object_Change(geometry::ObjectArrow{-200, 40}, true);
        QWidget& handle = objectHandle(w);
        const auto local = [&](double x, double y) {
            return handle.mapFrom(&w, harness::windowPixel(x, y));
        };
        QTest::mousePress(&handle, Qt::LeftButton, {}, local(-200, 40));
        QTest::mouseMove(&handle, local(-200, 50));
        QTest::mouseMove(&handle, local(-200, 60));
        QTest::mouseRelease(&handle, Qt::LeftButton, {}, local(-200, 60));
        QCOMPARE(object(w).x, -200.0);
        QVERIFY2(std::abs(object(w).height - 60) < 2,
                 qPrintable(QString::number(object(w).height)));

        QTest::mousePress(&handle, Qt::LeftButton, {}, local(-200, 20));
        QTest::mouseMove(&handle, local(-180, 20));
        QTest::mouseMove(&handle, local(-150, 20));
        QTest::mouseRelease(&handle, Qt::LeftButton, {}, local(-150, 20));
        QVERIFY2(std::abs(object(w).x + 150) < 2, qPrintable(QString::number(object(w).x)));
        QVERIFY(std::abs(object(w).height - 60) < 2);

        // Into the lens the foot stops before it.
        QTest::mousePress(&handle, Qt::LeftButton, {},
                          handle.mapFrom(&w, harness::windowPixel(object(w).x, 20)));
        QTest::mouseMove(&handle, local(0, 20));
        QTest::mouseRelease(&handle, Qt::LeftButton, {}, local(0, 20));
        QVERIFY(object(w).x < -w.lens().lensHalfWidth());

        QAction* undo = harness::controls(w).actionUndo;
        undo->trigger();
        QVERIFY(std::abs(object(w).x + 150) < 2);
        undo->trigger();
        QCOMPARE(object(w).x, -200.0);
        QVERIFY(std::abs(object(w).height - 60) < 2);
        undo->trigger();
        QCOMPARE(object(w).height, 40.0);
    }

    // The numbers stand clear of the lens and the controls, and follow a change of the lens.
    void labelsFollowAndStandClear() {
        Kovril& w = scene::form();
        objectAction(w).trigger();
        w.object_Change(geometry::ObjectArrow{-300, 20}, true);
        QCOMPARE(labelText(w, "focalLength"), QStringLiteral("f = 93.91"));
        const harness::Controls ui = harness::controls(w);
        for (const char* name : {"focalLength", "objectDistance", "imageDistance", "magnification",
                                 "lensEquation", "tracedImageDistance"}) {
            const auto* label = w.findChild<QLabel*>(QLatin1String(name));
            const QRect place(label->mapToGlobal(QPoint(0, 0)), label->size());
            QStringList covered = harness::coveredBy(place);
            covered.removeAll(QLatin1String(name));
            QVERIFY2(covered.isEmpty(), qPrintable(name + (": " + covered.join(' '))));
            for (const QWidget* control :
                 {static_cast<QWidget*>(ui.thesiy), static_cast<QWidget*>(ui.shmeio_thesi),
                  static_cast<QWidget*>(ui.xronosmetato), static_cast<QWidget*>(ui.menuButton),
                  static_cast<QWidget*>(ui.arithmosaktinon), static_cast<QWidget*>(ui.xronosPlay)})
                QVERIFY2(!label->geometry().intersects(control->geometry()),
                         qPrintable(name + (" over " + control->objectName())));
            QVERIFY2(w.rect().contains(label->geometry()), name);
        }
        geometry::LensGiven concave;
        concave.frontRadius = -150;
        concave.rearRadius = -150;
        concave.thickness = 10;
        concave.aperture = 50;
        concave.speedInside = float(2 / 1.5);
        w.lens_Change(concave);
        QVERIFY(labelText(w, "imageDistance").startsWith(QStringLiteral("s′ = -")));
        QVERIFY(labelText(w, "focalLength").startsWith(QStringLiteral("f = -")));
    }
};

QTEST_MAIN(ObjectTest)
#include "test_object.moc"
