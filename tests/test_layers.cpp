// SPDX-License-Identifier: GPL-3.0-or-later
// The layers of «Εμφάνιση»: a hidden layer leaves the window, the saved picture and the printed
// page; shown again, the picture is the one it was, pixel for pixel.
#include "print/page_job.h"
#include "scene/help_page.h"
#include "scene/kovril.h"
#include "scene/picture_export.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

using surface::DrawCall;

QAction* layerAction(const QString& name) {
    return scene::form().findChild<QAction*>(name);
}

// The command's picture, with every layer shown; the record holds what the command drew.
void draw(const QString& command) {
    Kovril& w = harness::startProgram();
    harness::clearRecord();
    w.findChild<QAbstractButton*>(command)->click();
}

int pixelsOf(const QImage& picture, const QColor& ink) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixelColor(x, y) == ink ? 1 : 0;
    return count;
}

// Which of a command's lines are rays the light travels along.
enum class Rays { FirstTwo, FromSource, Construction, Continued };

std::vector<DrawCall> raysOf(Rays rays, const std::vector<DrawCall>& lines) {
    const geometry::Source source = scene::form().source();
    const auto fromSource = [&](const DrawCall& line) {
        return std::abs(line.x1 - source.x) < 1e-3 && std::abs(line.y1 - source.y) < 1e-3;
    };
    std::vector<DrawCall> chosen;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const DrawCall& line = lines[i];
        const bool ray = rays == Rays::FirstTwo     ? i < 2
                         : rays == Rays::FromSource ? fromSource(line)
                         : rays == Rays::Construction
                             ? fromSource(line) && line.color == QColor(255, 0, 255)
                             : line.color == QColor(255, 0, 0) && line.drawWidth == 2;
        if (ray)
            chosen.push_back(line);
    }
    return chosen;
}

// Strokes that start at the segment's middle and run back against the light's way, only a
// little aside.
int strokesBackFrom(const DrawCall& segment, const std::vector<DrawCall>& lines) {
    const double mx = (segment.x1 + segment.x2) / 2;
    const double my = (segment.y1 + segment.y2) / 2;
    const double dx = segment.x2 - segment.x1;
    const double dy = segment.y2 - segment.y1;
    int strokes = 0;
    for (const DrawCall& line : lines) {
        if (std::abs(line.x1 - mx) > 1e-6 || std::abs(line.y1 - my) > 1e-6)
            continue;
        const double bx = line.x2 - line.x1;
        const double by = line.y2 - line.y1;
        const double along = (bx * dx + by * dy) / std::hypot(dx, dy);
        const double aside = std::abs(bx * dy - by * dx) / std::hypot(dx, dy);
        if (along < 0 && aside < -along)
            ++strokes;
    }
    return strokes;
}

} // namespace

Q_DECLARE_METATYPE(Rays)
Q_DECLARE_METATYPE(DrawCall::Kind)

class LayersTest : public QObject {
    Q_OBJECT
    QTemporaryDir pages;

private slots:
    void initTestCase() {
        QVERIFY(pages.isValid());
        print::directPagesTo(pages.filePath(QStringLiteral("page.pdf")));
    }

    void everyLayerIsShownAtStart() {
        harness::startProgram();
        for (const char* name : {"actionShowNormals", "actionShowWavelets", "actionShowCardinal",
                                 "actionShowWavefronts", "actionShowBeam"}) {
            QAction* action = layerAction(QLatin1String(name));
            QVERIFY2(action, name);
            QVERIFY(action->isCheckable());
            QVERIFY(action->isChecked());
        }
        QVERIFY(scene::form().findChild<QMenu*>(QStringLiteral("layersMenu")));
        QAction* arrows = layerAction(QStringLiteral("actionDirectionArrows"));
        QVERIFY(arrows && arrows->isCheckable());
        QVERIFY(!arrows->isChecked());
    }

    void hiddenLayerLeavesThePicture_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("layer");
        QTest::addColumn<QColor>("ink"); // a colour only the layer draws, if any
        QTest::newRow("normals at the entry") << "Command1"
                                              << "actionShowNormals" << QColor();
        QTest::newRow("normals at the exit") << "Command4"
                                             << "actionShowNormals" << QColor();
        QTest::newRow("wavelets") << "Command3"
                                  << "actionShowWavelets" << QColor();
        QTest::newRow("wavefronts") << "Command5"
                                    << "actionShowWavefronts" << QColor();
        QTest::newRow("cardinal") << "Command5"
                                  << "actionShowCardinal" << QColor(0, 255, 255);
        QTest::newRow("beam") << "Command2"
                              << "actionShowBeam" << QColor();
        QTest::newRow("beam under the wavelets") << "Command3"
                                                 << "actionShowBeam" << QColor();
        QTest::newRow("beam, time-stepped") << "Command5"
                                            << "actionShowBeam" << QColor(0, 55, 0);
    }
    void hiddenLayerLeavesThePicture() {
        QFETCH(QString, command);
        QFETCH(QString, layer);
        QFETCH(QColor, ink);
        draw(command);
        const QImage full = harness::seen().picture;
        harness::clearRecord();
        layerAction(layer)->trigger();
        const std::size_t hiddenCalls = harness::drawn().size();
        const QImage hidden = harness::seen().picture;
        QVERIFY(hidden != full);
        if (ink.isValid()) {
            QVERIFY(pixelsOf(full, ink) > 0);
            QCOMPARE(pixelsOf(hidden, ink), 0);
        }

        harness::clearRecord();
        layerAction(layer)->trigger();
        QVERIFY(layerAction(layer)->isChecked());
        QVERIFY(harness::drawn().size() > hiddenCalls);
        QCOMPARE(harness::seen().picture, full);
    }

    // The help's legend lists the elements of the shown layers only, whether the help was
    // open when the layer was hidden or opened after.
    void legendFollowsTheLayers_data() {
        QTest::addColumn<QString>("layer");
        QTest::addColumn<QString>("element");
        QTest::addColumn<bool>("openFirst");
        QTest::addColumn<bool>("startsShown");
        QTest::newRow("normals") << "actionShowNormals"
                                 << "η κάθετος στο σημείο ελάχιστου χρόνου" << true << true;
        QTest::newRow("wavelets") << "actionShowWavelets"
                                  << "κύκλοι Huygens γύρω από τα σημεία εξόδου" << false << true;
        QTest::newRow("wavefronts") << "actionShowWavefronts"
                                    << "το μέτωπο κύματος" << true << true;
        QTest::newRow("cardinal") << "actionShowCardinal"
                                  << "οι εστίες F1 και F2 του παχιού φακού" << false << true;
        QTest::newRow("beam") << "actionShowBeam"
                              << "η ακτίνα μετά το φακό" << true << true;
        QTest::newRow("arrows") << "actionDirectionArrows"
                                << "βέλη κατεύθυνσης: προς τα πού ταξιδεύει το φως" << false
                                << false;
    }
    void legendFollowsTheLayers() {
        QFETCH(QString, layer);
        QFETCH(QString, element);
        QFETCH(bool, openFirst);
        QFETCH(bool, startsShown);
        Kovril& w = harness::startProgram();
        const harness::Controls ui = harness::controls(w);
        if (openFirst)
            ui.actionHelp->trigger();
        layerAction(layer)->trigger();
        ui.actionHelp->trigger();
        const auto listed = [&w, &element] {
            const QList<QLabel*> labels = harness::help(w)->findChildren<QLabel*>();
            return std::count_if(labels.begin(), labels.end(), [&element](const QLabel* label) {
                return label->text() == element && label->isVisibleTo(label->window());
            });
        };
        QCOMPARE(listed(), startsShown ? 0 : 1);
        layerAction(layer)->trigger();
        QCOMPARE(listed(), startsShown ? 1 : 0);
    }

    // With the arrows on, every ray segment long enough to carry one gets two strokes from its
    // middle back towards where the light came from; off, the picture is the one it was.
    void arrowsPointTheWayLightTravels_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<Rays>("rays");
        QTest::addColumn<int>("atLeast"); // segments that must carry an arrow
        QTest::newRow("least-time path") << "Command1" << Rays::FirstTwo << 2;
        QTest::newRow("beam") << "Command2" << Rays::FromSource << 11;
        QTest::newRow("beam under the wavelets") << "Command3" << Rays::FromSource << 11;
        QTest::newRow("continued ray") << "Command4" << Rays::Construction << 2;
        QTest::newRow("time-stepped beam") << "Command5" << Rays::Continued << 5;
    }
    void arrowsPointTheWayLightTravels() {
        QFETCH(QString, command);
        QFETCH(Rays, rays);
        QFETCH(int, atLeast);
        draw(command);
        const QImage plain = harness::seen().picture;
        const std::vector<DrawCall> segments =
            raysOf(rays, harness::drawnOfKind(DrawCall::Kind::Line));

        harness::clearRecord();
        layerAction(QStringLiteral("actionDirectionArrows"))->trigger();
        QVERIFY(harness::seen().picture != plain);
        const std::vector<DrawCall> lines = harness::drawnOfKind(DrawCall::Kind::Line);
        int carrying = 0;
        for (const DrawCall& segment : segments) {
            const int strokes = strokesBackFrom(segment, lines);
            // A construction draws some rays more than once, each time with its arrow.
            QVERIFY2(strokes % 2 == 0, qPrintable(QString::number(strokes)));
            const QPointF a = scene::form().surface().toPaint(segment.x1, segment.y1);
            const QPointF b = scene::form().surface().toPaint(segment.x2, segment.y2);
            // An arrow is 9 pixels long; a shorter segment than two would be all arrow.
            QCOMPARE(strokes > 0, std::hypot(a.x() - b.x(), a.y() - b.y()) >= 18);
            carrying += strokes > 0 ? 1 : 0;
        }
        QVERIFY2(carrying >= atLeast, qPrintable(QString::number(carrying)));

        layerAction(QStringLiteral("actionDirectionArrows"))->trigger();
        QCOMPARE(harness::seen().picture, plain);
    }

    // The object's construction belongs to the cardinal points' layer and its rays carry the
    // arrows too, in the window's saved picture as on the screen.
    void theObjectFollowsTheLayers() {
        Kovril& w = harness::startProgram();
        w.controls().actionObject->trigger();
        QTemporaryDir dir;
        const auto saved = [&dir, &w](const char* name) {
            const QString path = dir.filePath(QLatin1String(name) + QStringLiteral(".png"));
            [&] { QVERIFY(!scene::savePicture(w, path, false)); }();
            return QImage(path);
        };
        const QColor principalRays(0, 130, 130);
        const QImage shown = saved("shown");
        QVERIFY(pixelsOf(shown, principalRays) > 0);

        layerAction(QStringLiteral("actionShowCardinal"))->trigger();
        QCOMPARE(pixelsOf(saved("hidden"), principalRays), 0);
        layerAction(QStringLiteral("actionShowCardinal"))->trigger();
        QCOMPARE(saved("again"), shown);

        layerAction(QStringLiteral("actionDirectionArrows"))->trigger();
        const QImage arrows = saved("arrows");
        QVERIFY(arrows != shown);
        QVERIFY(pixelsOf(arrows, Qt::black) > pixelsOf(shown, Qt::black));
        layerAction(QStringLiteral("actionDirectionArrows"))->trigger();
        QCOMPARE(saved("plain"), shown);
    }

    void savedPictureFollowsTheLayers_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("png") << "png";
        QTest::newRow("svg") << "svg";
    }
    void savedPictureFollowsTheLayers() {
        QFETCH(QString, suffix);
        draw(QStringLiteral("Command3"));
        QTemporaryDir dir;
        const QString shown = dir.filePath(QStringLiteral("shown.") + suffix);
        const QString hidden = dir.filePath(QStringLiteral("hidden.") + suffix);
        QVERIFY(!scene::savePicture(scene::form(), shown, false));
        layerAction(QStringLiteral("actionShowWavelets"))->trigger();
        QVERIFY(!scene::savePicture(scene::form(), hidden, false));
        QFile a(shown), b(hidden);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QVERIFY(a.readAll() != b.readAll());
    }

    void printedPageFollowsTheLayers_data() {
        QTest::addColumn<QString>("layer");
        QTest::addColumn<DrawCall::Kind>("kind");
        QTest::newRow("wavefronts") << "actionShowWavefronts" << DrawCall::Kind::Circle;
        QTest::newRow("beam") << "actionShowBeam" << DrawCall::Kind::Line;
    }
    void printedPageFollowsTheLayers() {
        QFETCH(QString, layer);
        QFETCH(DrawCall::Kind, kind);
        draw(QStringLiteral("Command5"));
        const harness::Controls ui = harness::controls(scene::form());
        harness::clearRecord();
        ui.Command6->click();
        const std::size_t shown = harness::drawnOfKind(kind).size();
        layerAction(layer)->trigger();
        harness::clearRecord();
        ui.Command6->click();
        QVERIFY(shown > 0);
        QVERIFY(harness::drawnOfKind(kind).size() < shown);
    }
};

QTEST_MAIN(LayersTest)
#include "test_layers.moc"
