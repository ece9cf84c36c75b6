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

namespace {

using surface::DrawCall;

QAction* layerAction(const QString& name) {
    return scene::form().findChild<QAction*>(name);
}

// The command's picture, with every layer shown.
void draw(const QString& command) {
    harness::startProgram().findChild<QAbstractButton*>(command)->click();
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
