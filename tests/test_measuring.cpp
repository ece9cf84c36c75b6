// SPDX-License-Identifier: GPL-3.0-or-later
// The ruler and the protractor: their readings against points computed here, their ends
// snapping to the picture's points by mouse and by key, undo, scene files and saved pictures.
#include "scene/kovril.h"
#include "scene/picture_export.h"
#include "scene/scene_file.h"
#include "scene/scene_io.h"
#include "support/controls.h"
#include "support/event_sequence.h"
#include "support/harness.h"
#include "surface/picture_inks.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

using geometry::Point;
using geometry::ToolEnd;

// The start-up lens: index 2, radii 180, thickness 30.
constexpr double n = 2, radius = 180, thickness = 30;

// The thick lens in air by the textbook formulas: focal length, and the principal points
// from the vertices at ∓t/2.
struct ThickLens {
    double f, h1, h2;
    Point focus() const { return {h1 - f, 0}; }
    Point backFocus() const { return {h2 + f, 0}; }
};

ThickLens startLens() {
    const double r1 = radius, r2 = radius;
    const double f =
        1 / ((n - 1) * (1 / r1 + 1 / r2) - (n - 1) * (n - 1) * thickness / (n * r1 * r2));
    return {f, -thickness / 2 + f * (n - 1) * thickness / (n * r2),
            thickness / 2 - f * (n - 1) * thickness / (n * r1)};
}

// The yellow point at height v on the rear face, whose centre lies at t/2 − R.
Point yellowPoint(double v) {
    return {thickness / 2 - radius + std::sqrt(radius * radius - v * v), v};
}

Point pointNamed(const QString& name) {
    if (name == QLatin1String("source"))
        return {-200, 50};
    if (name == QLatin1String("yellow"))
        return yellowPoint(0);
    if (name == QLatin1String("F"))
        return startLens().focus();
    if (name == QLatin1String("F'"))
        return startLens().backFocus();
    const std::optional<geometry::ObjectArrow> object = scene::form().state().object;
    if (name == QLatin1String("object"))
        return {object->x, object->height};
    if (name == QLatin1String("image")) {
        // The lens equation measured from the principal planes: 1/s + 1/s' = 1/f.
        const double s = startLens().h1 - object->x;
        const double imageDistance = 1 / (1 / startLens().f - 1 / s);
        return {startLens().h2 + imageDistance, -imageDistance / s * object->height};
    }
    return {startLens().h1, 0};
}

QString twoDecimals(double value) {
    return QString::number(value, 'f', 2).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QAction* action(const char* name) {
    QAction* found = scene::form().findChild<QAction*>(QLatin1String(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

surface::Shape* endShape(ToolEnd end) {
    return scene::form().findChild<surface::Shape*>(QStringLiteral("toolEnd%1").arg(int(end) + 1));
}

QString reading(const char* label) {
    return scene::form().findChild<QLabel*>(QLatin1String(label))->text();
}

Point endOf(ToolEnd end) {
    return geometry::endPoint(scene::form().state().tools, end).value();
}

double pixelsPerUnit() {
    const surface::Surface& s = scene::form().surface();
    return std::abs(s.toPaint(1, 0).x() - s.toPaint(0, 0).x());
}

// Drags an end with the mouse to a window pixel, as a student does: press on the end, two
// moves, release.
void dragEnd(ToolEnd end, QPointF to) {
    QWindow* window = scene::form().windowHandle();
    const Point from = endOf(end);
    const QPoint start = harness::windowPixel(from.x, from.y);
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    QTest::mouseMove(window, ((QPointF(start) + to) / 2).toPoint());
    QTest::mouseMove(window, to.toPoint());
    QTest::mouseRelease(window, Qt::LeftButton, {}, to.toPoint());
}

void dragEndTo(ToolEnd end, Point to, QPointF offsetPixels = {}) {
    dragEnd(end, scene::form().surface().toPaint(to.x, to.y) + offsetPixels);
}

void startWithSource() {
    harness::startProgram();
    scene::form().placeSource({-200, 50});
}

} // namespace

class MeasuringTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { events::silenceOutsideWarnings(); }
    void init() { startWithSource(); }

    // The thick-lens numbers the snapping points come from, as the lessons quote them.
    void startLensNumbers() {
        QCOMPARE(twoDecimals(startLens().f), twoDecimals(93.91));
        QCOMPARE(twoDecimals(startLens().h1), twoDecimals(-7.17));
        QCOMPARE(twoDecimals(startLens().h2), twoDecimals(7.17));
    }

    // Both ends of the ruler dropped near two points of the picture read the distance between
    // them; the protractor's ends dropped on three read the angle at the first.
    void readings_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::newRow("source, yellow, F'") << "source"
                                            << "yellow"
                                            << "F'";
        QTest::newRow("F, F', source") << "F"
                                       << "F'"
                                       << "source";
        QTest::newRow("H, source, F") << "H"
                                      << "source"
                                      << "F";
        QTest::newRow("F', F, yellow") << "F'"
                                       << "F"
                                       << "yellow";
    }
    void readings() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        const Point pa = pointNamed(a), pb = pointNamed(b), pc = pointNamed(c);
        action("actionRuler")->trigger();
        action("actionProtractor")->trigger();
        // A little beside each point: the end snaps onto it.
        const QPointF beside(3, -2);
        dragEndTo(ToolEnd::RulerFrom, pa, beside);
        dragEndTo(ToolEnd::RulerTo, pb, beside);
        dragEndTo(ToolEnd::Vertex, pa, beside);
        dragEndTo(ToolEnd::FirstArm, pb, beside);
        dragEndTo(ToolEnd::SecondArm, pc, beside);
        QCOMPARE(endOf(ToolEnd::RulerFrom), pa);
        QCOMPARE(endOf(ToolEnd::SecondArm), pc);

        const double length = std::hypot(pb.x - pa.x, pb.y - pa.y);
        QCOMPARE(reading("rulerLength"), QStringLiteral("μήκος ") + twoDecimals(length));
        const double ux = pb.x - pa.x, uy = pb.y - pa.y, vx = pc.x - pa.x, vy = pc.y - pa.y;
        const double degrees =
            std::acos((ux * vx + uy * vy) / std::hypot(ux, uy) / std::hypot(vx, vy)) * 180 /
            std::numbers::pi;
        QCOMPARE(reading("protractorAngle"), QStringLiteral("γωνία %1°").arg(twoDecimals(degrees)));
    }

    // An end dropped within a few pixels of a point lands on it; beyond them it stays where
    // it was dropped.
    void snapping_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<bool>("snaps");
        QTest::newRow("on the source") << "source" << QPointF(0, 0) << true;
        QTest::newRow("6 px right of the source") << "source" << QPointF(6, 0) << true;
        QTest::newRow("11 px right of the source") << "source" << QPointF(11, 0) << false;
        QTest::newRow("4 px from F', diagonally") << "F'" << QPointF(4, 4) << true;
        QTest::newRow("7 px below F'") << "F'" << QPointF(0, 7) << true;
        QTest::newRow("10 px below F'") << "F'" << QPointF(0, 10) << false;
        QTest::newRow("5 px above H") << "H" << QPointF(0, -5) << true;
        QTest::newRow("12 px above H") << "H" << QPointF(0, -12) << false;
        QTest::newRow("5 px left of the yellow point") << "yellow" << QPointF(-5, 0) << true;
        QTest::newRow("4 px beside the object's tip") << "object" << QPointF(4, -3) << true;
        QTest::newRow("5 px beside the image's tip") << "image" << QPointF(-3, 4) << true;
        QTest::newRow("12 px beside the image's tip") << "image" << QPointF(0, 12) << false;
    }
    void snapping() {
        QFETCH(QString, target);
        QFETCH(QPointF, offset);
        QFETCH(bool, snaps);
        action("actionRuler")->trigger();
        if (target == QLatin1String("object") || target == QLatin1String("image"))
            action("actionObject")->trigger();
        const Point at = pointNamed(target);
        dragEndTo(ToolEnd::RulerTo, at, offset);
        const Point end = endOf(ToolEnd::RulerTo);
        if (snaps) {
            QCOMPARE(end, at);
            return;
        }
        const double pixels = std::hypot(end.x - at.x, end.y - at.y) * pixelsPerUnit();
        QVERIFY2(std::abs(pixels - std::hypot(offset.x(), offset.y())) < 1.5,
                 qPrintable(QStringLiteral("dropped %1 px away").arg(pixels)));
    }

    // Tab reaches the shown ends after the source; the arrows move an end by one unit, ten
    // with Shift, each press a step; a step onto a point stops on it and the next step leaves
    // it.
    void keyboard() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        action("actionRuler")->trigger();
        ui.kyklos->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), endShape(ToolEnd::RulerFrom));
        QCOMPARE(endShape(ToolEnd::RulerFrom)->accessibleName(),
                 QStringLiteral("Πρώτη άκρη του χάρακα"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), endShape(ToolEnd::RulerTo));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ui.arithmosaktinon));
        QVERIFY(!endShape(ToolEnd::Vertex)->isVisible());

        QWidget* end = endShape(ToolEnd::RulerTo);
        const Point start = endOf(ToolEnd::RulerTo);
        QTest::keyClick(end, Qt::Key_Left);
        QTest::keyClick(end, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(endOf(ToolEnd::RulerTo), (Point{start.x - 1, start.y + 10}));
        ui.actionUndo->trigger();
        QCOMPARE(endOf(ToolEnd::RulerTo), (Point{start.x - 1, start.y}));

        const Point focus = startLens().backFocus();
        w.showTools({geometry::Ruler{{0, -100}, {focus.x - 20.4, 0}}, {}});
        for (int i = 0; i < 30 && endOf(ToolEnd::RulerTo).x < focus.x; ++i)
            QTest::keyClick(end, Qt::Key_Right);
        QCOMPARE(endOf(ToolEnd::RulerTo), focus);
        QTest::keyClick(end, Qt::Key_Right);
        QCOMPARE(endOf(ToolEnd::RulerTo), (Point{focus.x + 1, 0}));
        QTest::keyClick(end, Qt::Key_Left);
        QCOMPARE(endOf(ToolEnd::RulerTo), focus);
    }

    // Showing a tool and moving an end are steps: undo takes them back one by one, the menu's
    // tick and the reading following.
    void undoAndRedo() {
        const harness::Controls ui = harness::controls(scene::form());
        action("actionRuler")->trigger();
        QVERIFY(action("actionRuler")->isChecked());
        const geometry::Ruler placed = scene::form().state().tools.ruler.value();
        const QString before = reading("rulerLength");
        dragEndTo(ToolEnd::RulerTo, pointNamed("F'"));
        QVERIFY(reading("rulerLength") != before);
        ui.actionUndo->trigger();
        QCOMPARE(scene::form().state().tools.ruler.value(), placed);
        QCOMPARE(reading("rulerLength"), before);
        ui.actionUndo->trigger();
        QVERIFY(!scene::form().state().tools.ruler);
        QVERIFY(!action("actionRuler")->isChecked());
        QVERIFY(!endShape(ToolEnd::RulerFrom)->isVisible());
        ui.actionRedo->trigger();
        ui.actionRedo->trigger();
        QCOMPARE(endOf(ToolEnd::RulerTo), pointNamed("F'"));
        QVERIFY(action("actionRuler")->isChecked());
    }

    // On a new window size the tools keep their place in the scene, and their ends and
    // readings stand where the picture now draws them.
    void toolsFollowANewSize() {
        Kovril& w = scene::form();
        action("actionProtractor")->trigger();
        const geometry::MeasuringTools tools = w.state().tools;
        harness::resizeTo(QSize(860, 640));
        QCOMPARE(w.state().tools, tools);
        for (const ToolEnd end : {ToolEnd::Vertex, ToolEnd::FirstArm, ToolEnd::SecondArm}) {
            const Point at = endOf(end);
            const QPointF shown = QRectF(endShape(end)->geometry()).center();
            QVERIFY2((shown - w.surface().toPaint(at.x, at.y)).manhattanLength() < 2,
                     qPrintable(endShape(end)->accessibleName()));
        }
    }

    // Saved and opened on a fresh start, the tools stand where they stood and read the same.
    void sceneRoundTrip() {
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tools.kovril"));
        Kovril& w = scene::form();
        w.showTools({geometry::Ruler{{-200, 50}, {101.0923, 0}},
                     geometry::Protractor{{-7.17, 0}, {Point{-200, 50}, Point{150.5, -60.25}}}});
        const QStringList readings = {reading("rulerLength"), reading("protractorAngle")};
        QVERIFY(!scene::saveSceneFile(path, w.state()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(root.value(QLatin1String("ruler")).toObject().value(QLatin1String("to")),
                 QJsonValue(QJsonArray{101.0923, 0}));

        const geometry::MeasuringTools saved = w.state().tools;
        startWithSource();
        QVERIFY(scene::form().openSceneFile(path));
        QCOMPARE(scene::form().state().tools, saved);
        QCOMPARE((QStringList{reading("rulerLength"), reading("protractorAngle")}), readings);
        QVERIFY(action("actionProtractor")->isChecked());
        QVERIFY(endShape(ToolEnd::SecondArm)->isVisible());
    }

    // A tool's field that is wrong is named in the message, and nothing of the file is shown.
    void badFieldsRefused_data() {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<QString>("named");
        QTest::newRow("ruler not an object") << QByteArray(R"("ruler": [1, 2])") << "«ruler»";
        QTest::newRow("ruler without its end")
            << QByteArray(R"("ruler": {"from": [0, 0]})") << "«ruler.to»";
        QTest::newRow("ruler beyond the limits")
            << QByteArray(R"("ruler": {"from": [0, 0], "to": [0, 1000.5]})") << "«ruler.to»";
        QTest::newRow("ruler with a field too many")
            << QByteArray(R"("ruler": {"from": [0, 0], "to": [0, 1], "width": 3})")
            << "«ruler.width»";
        QTest::newRow("vertex a text")
            << QByteArray(R"("protractor": {"vertex": "F", "arms": [[0, 0], [1, 1]]})")
            << "«protractor.vertex»";
        QTest::newRow("one arm") << QByteArray(
                                        R"("protractor": {"vertex": [0, 0], "arms": [[0, 0]]})")
                                 << "«protractor.arms»";
        QTest::newRow("an arm of three numbers")
            << QByteArray(R"("protractor": {"vertex": [0, 0], "arms": [[0, 0], [1, 1, 1]]})")
            << "«protractor.arms[1]»";
    }
    void badFieldsRefused() {
        QFETCH(QByteArray, fields);
        QFETCH(QString, named);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.kovril"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "kovril-scene", "version": 2, "thesiy": 40, )" + fields + "}");
        file.close();
        action("actionRuler")->trigger();
        const geometry::SceneState before = scene::form().state();
        QVERIFY(!scene::form().openSceneFile(path));
        QCOMPARE(harness::messages().size(), 1);
        QVERIFY2(harness::messages().front().contains(named),
                 qPrintable(harness::messages().front()));
        QVERIFY(scene::form().state() == before);
    }

    // Version 1 knew no tools.
    void noToolsInVersion1() {
        const QByteArray bytes =
            R"({"format": "kovril-scene", "version": 1, "ruler": {"from": [0, 0], "to": [1, 1]}})";
        const auto read = scene::readScene(bytes, scene::form().startDefaults());
        QVERIFY(std::holds_alternative<QString>(read));
        QVERIFY(std::get<QString>(read).contains(QStringLiteral("«ruler»")));
    }

    // The tools stand over the picture in the window and in a saved picture, never in the
    // picture the window keeps, which is drawn again from what was done.
    void savedPictureShowsTheTools() {
        Kovril& w = scene::form();
        w.showTools({geometry::Ruler{{-200, -150}, {-100, -150}}, {}});
        const QPoint middle = harness::windowPixel(-155, -150); // between two ticks
        const QColor ink = surface::inks::ruler.color;
        const auto inkNear = [&](const QImage& image, QPoint at) {
            for (int dy = -2; dy <= 2; ++dy)
                if (image.pixelColor(at + QPoint(0, dy)).rgb() == ink.rgb())
                    return true;
            return false;
        };
        QVERIFY(!inkNear(w.surface().image(), middle * w.devicePixelRatioF()));
        QVERIFY(inkNear(w.grab().toImage(), middle * w.devicePixelRatioF()));
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tools.png"));
        QVERIFY(!scene::savePicture(w, path, true));
        QVERIFY(inkNear(QImage(path), middle * w.devicePixelRatioF()));
    }
};

QTEST_MAIN(MeasuringTest)
#include "test_measuring.moc"
