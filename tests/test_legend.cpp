// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/page_job.h"
#include "profile/plot_ink.h"
#include "scene/help_page.h"
#include "support/controls.h"
#include "support/harness.h"
#include "surface/picture_inks.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using surface::DrawCall;

namespace {

// Every command and every control, from a few places of the source, as a lesson would go.
void runEverything() {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    const QTemporaryDir pages;
    print::directPagesTo(pages.filePath(QStringLiteral("page.pdf")));
    for (const QPointF source : {QPointF(-200, 0), QPointF(-150, 120), QPointF(-400, -150)}) {
        scene::form().placeSource({source.x(), source.y()});
        harness::setScroll(*ui.shmeio_thesi, 20);
        harness::setScroll(*ui.thesiy, 30);
        ui.Command1->click();
        ui.Command2->click();
        ui.Command3->click();
        ui.Command4->click();
        ui.Command5->click();
        harness::setScroll(*ui.xronosmetato, 60);
        harness::setScroll(*ui.thesiy, -40);
        ui.Command4->click();
        harness::setScroll(*ui.arithmosaktinon, 30);
        ui.Command6->click();
        emit ui.kyklos->nudged(0, 10);
    }
    // The object, with a real and then a virtual image.
    w.findChild<QAction*>(QStringLiteral("actionObject"))->trigger();
    for (const double x : {-300.0, -60.0}) {
        w.object_Change(geometry::ObjectArrow{x, 20}, true);
        w.findChild<QWidget*>(QStringLiteral("objectView"))->repaint();
    }
    print::directPagesTo({});
    // The measuring tools stand over the picture the window paints.
    for (const char* tool : {"actionRuler", "actionProtractor"})
        w.findChild<QAction*>(QLatin1String(tool))->trigger();
    w.grab();
}

bool inLegend(const DrawCall& call) {
    const std::vector<surface::LegendEntry>& legend = surface::pictureLegend();
    return std::any_of(legend.begin(), legend.end(), [&](const surface::LegendEntry& e) {
        return e.ink->color == call.color && e.ink->width == call.drawWidth &&
               e.ink->style == call.drawStyle;
    });
}

QString describe(const DrawCall& call) {
    return QStringLiteral("kind %1, colour %2, width %3, style %4")
        .arg(int(call.kind))
        .arg(call.color.name())
        .arg(call.drawWidth)
        .arg(int(call.drawStyle));
}

} // namespace

class LegendTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { harness::startProgram(); }

    void everythingDrawnHasALegendEntry() {
        runEverything();
        std::size_t strokes = 0;
        for (const DrawCall& call : harness::drawn()) {
            if (call.kind == DrawCall::Kind::Text || call.kind == DrawCall::Kind::Fill ||
                call.kind == DrawCall::Kind::Clear)
                continue;
            ++strokes;
            QVERIFY2(inLegend(call), qPrintable(describe(call)));
        }
        QVERIFY(strokes > 1000);
    }

    void everyEntryIsDrawnSomewhere() {
        // The table holds no element the program no longer draws: each ink is seen, or, for
        // fills, is the lens's or the yellow point's fill colour.
        runEverything();
        for (const surface::LegendEntry& entry : surface::pictureLegend()) {
            if (entry.sample == surface::LegendEntry::Sample::Fill)
                continue;
            const bool seen = std::any_of(
                harness::drawn().begin(), harness::drawn().end(), [&](const DrawCall& c) {
                    return c.color == entry.ink->color && c.drawWidth == entry.ink->width &&
                           c.drawStyle == entry.ink->style;
                });
            QVERIFY2(seen, entry.name);
        }
    }

    void helpShowsEveryEntryWithItsSample() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QCOMPARE(ui.actionHelp->objectName(), QStringLiteral("actionHelp"));
        QCOMPARE(ui.actionHelp->shortcut(), QKeySequence(Qt::Key_F1));
        QTest::keyClick(w.windowHandle(), Qt::Key_F1);
        scene::HelpPage* page = harness::help(w);
        QVERIFY(page && page->isVisible());
        QCOMPARE(page->objectName(), QStringLiteral("help"));
        QVERIFY(page->isWindow());
        QCOMPARE(page->parentWidget(), &w);
        QVERIFY(!page->isModal());

        const QList<QLabel*> samples = page->findChildren<QLabel*>(QStringLiteral("legendSample"));
        // The picture's elements, then the travel-time plot's.
        std::vector<surface::LegendEntry> legend = surface::pictureLegend();
        legend.insert(legend.end(), profile::plotLegend().begin(), profile::plotLegend().end());
        QCOMPARE(std::size_t(samples.size()), legend.size());
        for (std::size_t i = 0; i < legend.size(); ++i) {
            const QImage image = samples[qsizetype(i)]->pixmap().toImage();
            bool hasInk = false;
            for (int y = 0; y < image.height() && !hasInk; ++y)
                for (int x = 0; x < image.width() && !hasInk; ++x)
                    hasInk = image.pixelColor(x, y) == legend[i].ink->color;
            QVERIFY2(hasInk, legend[i].name);
            QVERIFY(!samples[qsizetype(i)]->accessibleName().isEmpty());
        }

        // Beside the picture: on the screen, clear of the lens, the markers, the buttons and
        // the labels.
        const QRect place = page->frameGeometry();
        QVERIFY(w.screen()->availableGeometry().contains(place));
        QCOMPARE(harness::coveredBy(place), QStringList());

        QVERIFY(QTest::qWaitForWindowActive(page));
        QTest::keyClick(page, Qt::Key_Escape);
        QVERIFY(!page->isVisible());
        QVERIFY(w.isVisible());
    }

    // The experiment that promises trapped rays names the buttons that draw them, and each
    // of them does, from a source high and close to the lens.
    void theTrappedRaysExperimentNamesButtonsThatDrawThem() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.actionHelp->trigger();
        QStringList promises;
        for (const QLabel* label : harness::help(w)->findChildren<QLabel*>())
            if (label->text().contains(QStringLiteral("κόκκινες κουκκίδες")))
                promises << label->text();
        QCOMPARE(promises.size(), 1);
        QList<QPushButton*> named;
        for (QPushButton* button : w.findChildren<QPushButton*>())
            if (!button->text().isEmpty() &&
                promises.first().contains(QStringLiteral("«%1»").arg(button->text())))
                named << button;
        QVERIFY2(!named.isEmpty(), qPrintable(promises.first()));
        for (QPushButton* button : named) {
            scene::form().placeSource({-80, 100});
            harness::clearRecord();
            button->click();
            const std::vector<DrawCall> dots = harness::drawnOfKind(DrawCall::Kind::Dot);
            QVERIFY2(std::any_of(dots.begin(), dots.end(),
                                 [](const DrawCall& c) {
                                     return c.color == surface::inks::totalReflection.color &&
                                            c.drawWidth == surface::inks::totalReflection.width;
                                 }),
                     qPrintable(button->text()));
        }
    }
};

QTEST_MAIN(LegendTest)
#include "test_legend.moc"
