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

std::size_t circles() {
    return harness::drawnOfKind(DrawCall::Kind::Circle).size();
}

} // namespace

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
                                 "actionShowWavefronts"}) {
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
        QTest::newRow("normals") << "actionShowNormals"
                                 << "η κάθετος στο σημείο ελάχιστου χρόνου" << true;
        QTest::newRow("wavelets") << "actionShowWavelets"
                                  << "κύκλοι Huygens γύρω από τα σημεία εξόδου" << false;
        QTest::newRow("wavefronts") << "actionShowWavefronts"
                                    << "το μέτωπο κύματος" << true;
        QTest::newRow("cardinal") << "actionShowCardinal"
                                  << "οι εστίες F1 και F2 του παχιού φακού" << false;
    }
    void legendFollowsTheLayers() {
        QFETCH(QString, layer);
        QFETCH(QString, element);
        QFETCH(bool, openFirst);
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
        QCOMPARE(listed(), 0);
        layerAction(layer)->trigger();
        QCOMPARE(listed(), 1);
    }

    // With the arrows on, the least-time path's two segments each carry two strokes from their
    // middle back towards where the light came from; off, the picture is the one it was.
    void arrowsPointTheWayLightTravels() {
        draw(QStringLiteral("Command1"));
        const QImage plain = harness::seen().picture;
        const std::vector<DrawCall> path = harness::drawnOfKind(DrawCall::Kind::Line);
        QVERIFY(path.size() >= 2);
        const DrawCall first = path[0];
        const DrawCall second = path[1];
        QCOMPARE(first.x2, second.x1);

        harness::clearRecord();
        layerAction(QStringLiteral("actionDirectionArrows"))->trigger();
        QVERIFY(harness::seen().picture != plain);
        for (const DrawCall& segment : {first, second}) {
            const double mx = (segment.x1 + segment.x2) / 2;
            const double my = (segment.y1 + segment.y2) / 2;
            int strokes = 0;
            for (const DrawCall& line : harness::drawnOfKind(DrawCall::Kind::Line)) {
                if (std::abs(line.x1 - mx) > 1e-6 || std::abs(line.y1 - my) > 1e-6)
                    continue;
                ++strokes;
                // The stroke runs back: against the light's way, and only a little aside.
                const double dx = segment.x2 - segment.x1;
                const double dy = segment.y2 - segment.y1;
                const double bx = line.x2 - line.x1;
                const double by = line.y2 - line.y1;
                const double along = (bx * dx + by * dy) / std::hypot(dx, dy);
                const double aside = std::abs(bx * dy - by * dx) / std::hypot(dx, dy);
                QVERIFY2(along < 0, qPrintable(QString::number(along)));
                QVERIFY(aside < -along);
            }
            QCOMPARE(strokes, 2);
        }

        layerAction(QStringLiteral("actionDirectionArrows"))->trigger();
        QCOMPARE(harness::seen().picture, plain);
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

    void printedPageFollowsTheWavefronts() {
        draw(QStringLiteral("Command5"));
        const harness::Controls ui = harness::controls(scene::form());
        harness::clearRecord();
        ui.Command6->click();
        const std::size_t shown = circles();
        layerAction(QStringLiteral("actionShowWavefronts"))->trigger();
        harness::clearRecord();
        ui.Command6->click();
        QVERIFY(shown > 0);
        QVERIFY(circles() < shown);
    }
};

QTEST_MAIN(LayersTest)
#include "test_layers.moc"
